// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "base/input_file.h"
#include "base/output_file.h"
#include "base/sleevix_error.h"
#include "document/document_format.h"

namespace {
constexpr InputKind CoverInput{QT_TRANSLATE_NOOP("InputFile", "a cover"), MaxCoverFileBytes};
}  // namespace

CoverDocument LoadCoverFile(const QString& path) {
    try {
        return CoverFromJson(ReadInputFile(path, CoverInput), QFileInfo(path).absoluteDir());
    } catch (const InputFileRefused&) {
        throw;  // names the file already
    } catch (const SleevixError& error) {
        throw SleevixError(QCoreApplication::translate("Document", "Cannot open %1: %2")
                               .arg(QDir::toNativeSeparators(path), error.message()));
    }
}

void SaveCoverFile(const CoverDocument& cover, const QString& path) {
    const QByteArray bytes = CoverToJson(cover, QFileInfo(path).absoluteDir());
    OutputFile file(path, QCoreApplication::translate("Document", "Cannot save %1: %2"));
    file.write(bytes);
    file.commit();
}
