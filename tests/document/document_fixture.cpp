// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_fixture.h"

#include <QFile>
#include <QLineEdit>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/drawn_page.h"
#include "tracks/track_editor.h"

namespace {
constexpr int PageDpi = 100;
}  // namespace

void DocumentFixture::SetUp() {
    CoverFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    scriptDocumentDialogs();
}

void DocumentFixture::restart() {
    restartProgram();
    scriptDialogs();
    scriptDocumentDialogs();
}

void DocumentFixture::scriptDocumentDialogs() {
    auto open = std::make_unique<ScriptedDocumentFileDialog>();
    openDialog = open.get();
    Form1->OpenDialog1 = std::move(open);
    auto save = std::make_unique<ScriptedDocumentFileDialog>();
    saveDialog = save.get();
    Form1->SaveDialog1 = std::move(save);
    auto exports = std::make_unique<ScriptedExportDialog>();
    exportDialog = exports.get();
    Form1->ExportDialog1 = std::move(exports);
    auto question = std::make_unique<ScriptedSaveChangesQuestion>();
    saveChanges = question.get();
    Form1->SaveChangesBox1 = std::move(question);
    auto kind = std::make_unique<ScriptedCaseKindQuestion>();
    caseKind = kind.get();
    Form1->CaseKindBox1 = std::move(kind);
}

QString DocumentFixture::writePicture(const QString& path, QSize size) const {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y,
                             qRgb(x * 255 / size.width(), y * 255 / size.height(),
                                  (x / 10 + y / 10) % 2 ? 200 : 40));
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

QString DocumentFixture::writeDocument(const QString& name, const QByteArray& json) const {
    QFile file(pathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(json);
    return file.fileName();
}

void DocumentFixture::saveAs(const QString& path) {
    saveDialog->answers = {path};
    run([] { Form1->SaveAs1Click(); });
}

void DocumentFixture::save() {
    run([] { Form1->Save1Click(); });
}

void DocumentFixture::openFile(const QString& path) {
    openDialog->answers = {path};
    run([] { Form1->Open1Click(); });
}

std::vector<QImage> DocumentFixture::surfacePixels() const {
    return {Form1->Image1.image(), Form1->Image2.image(), Form1->Image3.image(),
            Form1->Image4.image()};
}

QImage DocumentFixture::printedPage() const {
    // As "Print" takes them.
    PrintArtistName = Form2->Edit3->text();
    PrintAlbumTitle = Form2->Edit2->text();
    return DrawnPage(PageDpi);
}
