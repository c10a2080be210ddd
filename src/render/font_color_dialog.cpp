// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/font_color_dialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/application_title.h"

namespace {

struct NamedColour {
    const char* name;
    QRgb rgb;
};

constexpr NamedColour StandardColours[] = {
    {QT_TRANSLATE_NOOP("FontDialog", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("FontDialog", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("FontDialog", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("FontDialog", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("FontDialog", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("FontDialog", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("FontDialog", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("FontDialog", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("FontDialog", "Silver"), 0xc0c0c0},
    {QT_TRANSLATE_NOOP("FontDialog", "Red"), 0xff0000},
    {QT_TRANSLATE_NOOP("FontDialog", "Lime"), 0x00ff00},
    {QT_TRANSLATE_NOOP("FontDialog", "Yellow"), 0xffff00},
    {QT_TRANSLATE_NOOP("FontDialog", "Blue"), 0x0000ff},
    {QT_TRANSLATE_NOOP("FontDialog", "Fuchsia"), 0xff00ff},
    {QT_TRANSLATE_NOOP("FontDialog", "Aqua"), 0x00ffff},
    {QT_TRANSLATE_NOOP("FontDialog", "White"), 0xffffff},
};
constexpr int SwatchSize = 14;
const char* const CustomChoice = QT_TRANSLATE_NOOP("FontDialog", "Custom...");

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(0, 0, SwatchSize - 1, SwatchSize - 1);
    return QIcon(pixmap);
}

// A colour list whose last entry asks for any other colour.
class ColourChoice : public QComboBox {
  public:
    ColourChoice(const QColor& start, QWidget* parent) : QComboBox(parent), chosen_(start) {
        for (const NamedColour& colour : StandardColours)
            addItem(swatch(QColor(colour.rgb)),
                    QCoreApplication::translate("FontDialog", colour.name), QColor(colour.rgb));
        addItem(QCoreApplication::translate("FontDialog", CustomChoice));
        show(start);
        connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
            if (index == count() - 1) {
                const QColor custom = QColorDialog::getColor(chosen_, this);
                if (custom.isValid()) chosen_ = custom;
            } else {
                chosen_ = itemData(index).value<QColor>();
            }
            show(chosen_);
        });
    }
    QColor chosen() const { return chosen_; }

  private:
    // Selects the colour's entry; a colour off the list shows as "Custom...".
    void show(const QColor& colour) {
        const int found = findData(colour);
        const int custom = count() - 1;
        setItemIcon(custom, found < 0 ? swatch(colour) : QIcon());
        setCurrentIndex(found < 0 ? custom : found);
    }
    QColor chosen_;
};

}  // namespace

bool ScreenFontDialog::Execute(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("FontDialog", "Font"));
    // The chooser lists real families only: an alias such as "arial" is
    // shown as the family it resolves to, and the font is returned as it was
    // unless the user picks another family.
    QFont shown = Font;
    shown.setFamily(QFontInfo(Font).family());
    auto* fonts = new QFontDialog(shown, &dialog);
    fonts->setOptions(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    // Embedded, the chooser would take Escape and Enter for itself and hide;
    // they answer for the whole dialog instead.
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    auto* colours = new ColourChoice(Color, &dialog);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(QCoreApplication::translate("FontDialog", "&Color:"), colours);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // Return anywhere outside the chooser's own fields, the colour box too,
    // is OK.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return false;
    if (fonts->currentFont().family() != shown.family()) Font = fonts->currentFont();
    Color = colours->chosen();
    return true;
}
