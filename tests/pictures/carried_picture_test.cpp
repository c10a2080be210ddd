// SPDX-License-Identifier: GPL-3.0-or-later
// A picture pasted or dropped as pixels has no file behind it: the saved
// document carries it as a PNG in base64 and opens to the same picture.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "app/picture_repaint.h"
#include "document/document_fixture.h"
#include "support/image_encoding.h"
#include "tracks/track_editor.h"

namespace {

QImage quarters() {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QPainter painter(&image);
    painter.fillRect(0, 0, 30, 20, Qt::red);
    painter.fillRect(30, 20, 30, 20, Qt::blue);
    return image;
}

QByteArray coverWithFrontPicture(const QByteArray& picture) {
    return R"({"format": "sleevix-cover", "version": 1, "front": {"picture": )" + picture + "}}";
}

}  // namespace

class CarriedPictures : public DocumentFixture {};

TEST_F(CarriedPictures, APastedPictureIsSavedInTheDocumentAndOpensAsItWas) {
    switchOutlines(false, false, false);
    addTracks({QStringLiteral("Intro")});
    commit();
    Form1->TabbedNotebook1->setCurrentIndex(TForm1::BackPage);
    run([] { HoldBackPicture(quarters()); });
    run([] { Form2->Button1Click(); });  // a render, from the held picture
    ASSERT_TRUE(errors->shown.isEmpty());
    const std::vector<QImage> shown = surfacePixels();
    const QImage page = printedPage();

    const QString saved = pathOf("pasted.sleevix");
    saveAs(saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject picture =
        QJsonDocument::fromJson(file.readAll())["back"].toObject()["picture"].toObject();
    const QByteArray png = QByteArray::fromBase64(picture["png"].toString().toLatin1());
    EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), quarters());

    restart();
    openFile(saved);
    EXPECT_TRUE(errors->shown.isEmpty()) << qPrintable(errors->shown.join('\n'));
    EXPECT_TRUE(PictureIsHeld(PictureHalf::Back));
    EXPECT_TRUE(BackPicturePath.isEmpty());
    EXPECT_TRUE(surfacePixels() == shown);
    EXPECT_TRUE(printedPage() == page);
    // Saved again, the same bytes: nothing is encoded anew.
    EXPECT_EQ(HeldPicturePng(PictureHalf::Back), png);
}

TEST_F(CarriedPictures, ACarriedPictureThatCannotBeShownIsRefusedWithTheReason) {
    const struct {
        QByteArray picture;
        QString saying;
    } refused[] = {
        {R"({"png": "not base64!"})", "\"front.picture.png\" must be a PNG file in base64"},
        {R"({"jpeg": "AAAA"})", "\"front.picture.png\" must be a PNG file in base64"},
        {R"({"png": ")" + QByteArray("GIF89a").toBase64() + "\"}",
         "\"front.picture.png\" holds no picture that can be shown (PNG image is not valid)"},
        {R"({"png": ")" + PngClaiming(60000, 60000).toBase64() + "\"}",
         "(Picture is too large (60000 x 60000))"},
    };
    for (const auto& document : refused) {
        SCOPED_TRACE(document.picture.constData());
        errors->shown.clear();
        openFile(writeDocument(QStringLiteral("carried.sleevix"),
                               coverWithFrontPicture(document.picture)));
        ASSERT_EQ(errors->shown.size(), 1);
        EXPECT_TRUE(errors->shown[0].contains(document.saying)) << qPrintable(errors->shown[0]);
        EXPECT_FALSE(HasFrontPicture);
    }
}
