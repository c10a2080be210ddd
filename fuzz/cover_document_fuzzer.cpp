// SPDX-License-Identifier: GPL-3.0-or-later
// Cover documents: read as the open command reads them, and a document that
// is read is written again and must read back as the same cover.

#include <cstdlib>

#include <QDir>

#include "document/document_format.h"
#include "fuzz/decoder_fuzzer.h"

namespace {
void readAndWriteAgain(const QByteArray& bytes) {
    const QDir folder(QStringLiteral("/nonexistent/covers"));
    const CoverDocument cover = CoverFromJson(bytes, folder);
    if (!(CoverFromJson(CoverToJson(cover, folder), folder) == cover)) std::abort();
}
}  // namespace

SLEEVIX_DECODER_FUZZER(readAndWriteAgain)
