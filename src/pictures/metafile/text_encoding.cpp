// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/metafile/text_encoding.h"

#include <QStringDecoder>

namespace {

struct CharSetCodePage {
    int charSet;
    const char* encoding;
};
// The character sets of a LOGFONT and the code pages the platform writes
// them in. The default set is the writer's own code page, unknown here:
// the Western one is by far the most common.
constexpr CharSetCodePage CodePages[] = {
    {0, "windows-1252"},   {1, "windows-1252"},   {77, "macintosh"},   {128, "Shift_JIS"},
    {129, "windows-949"},  {134, "GBK"},          {136, "Big5"},       {161, "windows-1253"},
    {162, "windows-1254"}, {163, "windows-1258"}, {177, "windows-1255"}, {178, "windows-1256"},
    {186, "windows-1257"}, {204, "windows-1251"}, {222, "windows-874"},  {238, "windows-1250"},
    {255, "IBM437"},
};
constexpr int SymbolCharSet = 2;
constexpr const char* Western = "windows-1252";

}  // namespace

QString DecodeCodePageText(const QByteArray& bytes, int charSet) {
    if (charSet == SymbolCharSet) return QString::fromLatin1(bytes);
    const char* encoding = Western;
    for (const CharSetCodePage& page : CodePages)
        if (page.charSet == charSet) encoding = page.encoding;
    QStringDecoder decode(encoding);
    // Qt reads code pages through ICU; a build without it still has Latin-1,
    // which is the Western code page outside 0x80-0x9F.
    if (!decode.isValid()) return QString::fromLatin1(bytes);
    return decode(bytes);
}
