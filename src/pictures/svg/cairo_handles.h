// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Owning handles for the GLib and cairo objects the SVG renderer works
// with: each is released when its handle goes, on every path.

#include <memory>

#include <cairo.h>
#include <glib-object.h>

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename Object>
using GObjectHandle = std::unique_ptr<Object, GObjectRelease>;

struct GErrorRelease {
    void operator()(GError* error) const { g_error_free(error); }
};
using GErrorHandle = std::unique_ptr<GError, GErrorRelease>;

struct CairoSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurfaceHandle = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;

struct CairoContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using CairoContextHandle = std::unique_ptr<cairo_t, CairoContextRelease>;
