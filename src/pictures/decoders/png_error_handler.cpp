// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's PNG reader registers no error handler with libpng, so libpng's own
// writes "libpng error: ..." to standard error before the reader fails, and
// the program then says the failure itself: two lines for one failure.
// libpng's interface for a handler is png_set_error_fn; the program stands
// in for it (the executable's definition comes first for every library)
// and, where a caller gives none, registers one that fails as libpng's
// default does, without the line. No library offers a way around this.
#include <dlfcn.h>
#include <png.h>

namespace {

using ErrorFunctionSetter = void (*)(png_structrp, png_voidp, png_error_ptr, png_error_ptr);

[[noreturn]] void failWithoutALine(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

}  // namespace

extern "C" void png_set_error_fn(png_structrp png, png_voidp errorData, png_error_ptr onError,
                                 png_error_ptr onWarning) {
    static const auto libpngOwn =
        reinterpret_cast<ErrorFunctionSetter>(dlsym(RTLD_NEXT, "png_set_error_fn"));
    if (libpngOwn) libpngOwn(png, errorData, onError ? onError : failWithoutALine, onWarning);
}
