// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/placement.h"
#include "tracks/editor_fixture.h"
#include "tracks/text_field.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

class TrackEditor : public EditorFixture {};

TEST_F(TrackEditor, ControlsStandAtTheirPlacesWithTheirTexts) {
    EXPECT_EQ(Form2->windowTitle(), "Sleevix v2.0 - Edit Tracks");
    const struct {
        const QWidget* control;
        QString text;
        QRect geometry;
    } controls[] = {
        {Form2->GroupBox1, "", {16, 8, 225, 337}},
        {Form2->Label4, "Tracks &on the CD:", {49, 24, 127, 20}},
        {Form2->ListBox1, "", {16, 56, 177, 153}},
        {Form2->Label1, "&Type in track:", {66, 216, 93, 20}},
        {Form2->Edit1, "", {16, 248, 177, 21}},
        {Form2->Button3, "&Insert", {75, 288, 75, 25}},
        {Form2->GroupBox2, "", {272, 8, 225, 337}},
        {Form2->Label5, "&Artist:", {92, 24, 41, 20}},
        {Form2->Edit3, "<Type in name of the artist here>", {24, 56, 177, 21}},
        {Form2->Label6, "Tit&le:", {96, 216, 33, 20}},
        {Form2->Edit2, "<Type in title here>", {24, 248, 177, 21}},
        {Form2->Button1, "&Continue", {218, 392, 75, 25}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.text.toStdString());
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(c.control)) text = label->text();
        if (auto* edit = qobject_cast<const QLineEdit*>(c.control)) text = edit->text();
        if (auto* button = qobject_cast<const QPushButton*>(c.control)) text = button->text();
        EXPECT_EQ(text, c.text);
        ExpectPlaced(c.control, c.geometry);
    }
    EXPECT_FALSE(Form2->Button1->isEnabled());
    EXPECT_TRUE(Form2->Button3->isEnabled());
    EXPECT_FALSE(Form2->Button1->isDefault() || Form2->Button1->autoDefault());
    EXPECT_FALSE(Form2->Button3->isDefault() || Form2->Button3->autoDefault());
}

TEST_F(TrackEditor, ShowsAt522By489EveryTimeWithTheFocusInTheTrackField) {
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        QSize size;
        int offCentre = -1;
        QWidget* focused = nullptr;
        whenModalOpens([&] {
            QTRY_VERIFY(Form2->isActiveWindow());
            EXPECT_TRUE(waitUntilFramed(Form2));
            size = outerRect(Form2).size();
            offCentre = distanceFromScreenCentre(Form2);
            focused = QApplication::focusWidget();
            Form2->close();
        });
        Form2->exec();
        EXPECT_EQ(size, QSize(522, 489));
        EXPECT_LE(offCentre, 1);
        EXPECT_EQ(focused, Form2->Edit1);
    }
}

TEST_F(TrackEditor, ShowsEachTrackAsItIsAddedBelowTheListsEnd) {
    bool allShown = true;
    whenModalOpens([&] {
        QTRY_VERIFY(Form2->isActiveWindow());
        for (int i = 1; i <= 20; ++i) {
            QTest::keyClicks(Form2->Edit1, QStringLiteral("Track %1").arg(i));
            QTest::keyClick(Form2->Edit1, Qt::Key_Return);
            const QRect shown = Form2->ListBox1->viewport()->rect();
            allShown = allShown && shown.contains(Form2->ListBox1->visualItemRect(
                                       Form2->ListBox1->item(i - 1)));
        }
        Form2->close();
    });
    Form2->exec();
    EXPECT_EQ(TrackCount, 20);
    EXPECT_TRUE(allShown) << "a new track was added out of sight";
}

TEST_F(TrackEditor, InsertAppendsNumberedEntriesAndEnablesContinue) {
    type(QStringLiteral("Intro"));
    EXPECT_EQ(entries(), QStringList{"1. Intro"});
    EXPECT_TRUE(Form2->Edit1->text().isEmpty());
    EXPECT_EQ(TrackCount, 1);
    EXPECT_TRUE(Form2->Button1->isEnabled());

    // Enter does what Insert does, whatever the shift state; on an empty
    // field (or one of spaces) it adds no blank line.
    for (const Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
        Form2->Edit1->setText(QStringLiteral("Song"));
        QTest::keyClick(Form2->Edit1, Qt::Key_Return, shift);
    }
    QTest::keyClick(Form2->Edit1, Qt::Key_Enter, Qt::ControlModifier);
    Form2->Edit1->setText(QStringLiteral("  "));
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(entries(), (QStringList{"1. Intro", "2. Song", "3. Song"}));
    EXPECT_EQ(TrackCount, 3);
    EXPECT_TRUE(Form2->ListBox1->selectedItems().isEmpty());
    EXPECT_TRUE(errors->shown.isEmpty());
}

TEST_F(TrackEditor, ACorrectionReplacesInPlaceWithoutRenumbering) {
    type(QStringLiteral("Intro"));
    type(QStringLiteral("Song"));
    type(QStringLiteral("Outro"));

    clickEntry(1);
    EXPECT_EQ(Form2->Edit1->text(), "2. Song");
    Form2->Edit1->setText(QStringLiteral("2. Song (live)"));
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(entries(), (QStringList{"1. Intro", "2. Song (live)", "3. Outro"}));
    EXPECT_EQ(Form2->Edit1->text(), "2. Song (live)");
    EXPECT_EQ(TrackCount, 3);
    EXPECT_TRUE(Form2->ListBox1->selectedItems().isEmpty());

    // Nothing selected any more: the next Insert appends the field again.
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    EXPECT_EQ(entries().last(), "4. 2. Song (live)");

    // A number removed while correcting stays removed; the others keep theirs.
    clickEntry(0);
    Form2->Edit1->setText(QStringLiteral("Intro"));
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    EXPECT_EQ(entries(), (QStringList{"Intro", "2. Song (live)", "3. Outro", "4. 2. Song (live)"}));

    // Moving the selection with the keyboard copies the entry too.
    Form2->ListBox1->setFocus();
    clickEntry(1);
    QTest::keyClick(Form2->ListBox1, Qt::Key_Down);
    EXPECT_EQ(Form2->Edit1->text(), "3. Outro");
}

TEST_F(TrackEditor, TheFortySecondTrackIsRefusedAndNothingTypedIsLost) {
    for (int i = 1; i <= 41; ++i) type(QStringLiteral("Track %1").arg(i));
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(entries().last(), "41. Track 41");

    Form2->Edit1->setText(QStringLiteral("One too many"));
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(Form2->ListBox1->count(), 41);
    EXPECT_EQ(Form2->Edit1->text(), "One too many");
    EXPECT_EQ(errors->shown, QStringList{"A cover holds at most 41 tracks."});

    // Corrections still work on a full list.
    clickEntry(40);
    Form2->Edit1->setText(QStringLiteral("41. Finale"));
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    EXPECT_EQ(entries().last(), "41. Finale");
    EXPECT_EQ(errors->shown.size(), 1);
}

TEST_F(TrackEditor, ClosingWithTheCloseControlKeepsEverything) {
    whenModalOpens([&] {
        type(QStringLiteral("Intro"));
        Form2->Edit3->setText(QStringLiteral("The Artist"));
        Form2->Edit2->setText(QStringLiteral("The Title"));
        Form2->close();
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);

    QStringList seen;
    bool continueEnabled = false;
    whenModalOpens([&] {
        seen = entries();
        seen << Form2->Edit3->text() << Form2->Edit2->text();
        continueEnabled = Form2->Button1->isEnabled();
        // Escape has no meaning of its own in the editor.
        QTest::keyClick(Form2, Qt::Key_Escape);
        QTest::qWait(10);
        seen << (Form2->isVisible() ? "still open" : "closed by Escape");
        Form2->close();
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{"1. Intro", "The Artist", "The Title", "still open"}));
    EXPECT_TRUE(continueEnabled);
}

TEST_F(TrackEditor, ContinueClosesTheEditor) {
    whenModalOpens([&] {
        type(QStringLiteral("Intro"));
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(Form1->BitBtn1->isEnabled());
}

TEST_F(TrackEditor, LongTextsAreKeptWhole) {
    const QString longTitle(40000, QLatin1Char('x'));
    type(longTitle);
    ASSERT_EQ(entries(), QStringList{"1. " + longTitle});
    // A correction of the long entry leaves it whole.
    clickEntry(0);
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    EXPECT_EQ(entries(), QStringList{"1. " + longTitle});
    Form2->Edit3->setText(longTitle);
    Form2->Edit2->setText(longTitle);
    EXPECT_EQ(Form2->Edit3->text().size(), longTitle.size());
    EXPECT_EQ(Form2->Edit2->text().size(), longTitle.size());
    // A text longer than a field edits is kept whole beside it, shown in
    // part; another text makes it an ordinary field again.
    const QString huge(10 << 20, QLatin1Char('w'));
    SetFieldText(*Form2->Edit3, huge);
    EXPECT_EQ(FieldText(*Form2->Edit3).size(), huge.size());
    EXPECT_EQ(Form2->Edit3->text().size(), MaxEditedCharacters);
    EXPECT_TRUE(Form2->Edit3->isReadOnly());
    Form2->Edit3->setText(QStringLiteral("Short"));
    EXPECT_EQ(FieldText(*Form2->Edit3), "Short");
    EXPECT_FALSE(Form2->Edit3->isReadOnly());
    // The list measures no more of an entry than it can show.
    const int measured = Form2->ListBox1->sizeHintForColumn(0);
    Form2->ListBox1->item(0)->setText("1. " + QString(4 << 20, QLatin1Char('x')));
    EXPECT_EQ(Form2->ListBox1->sizeHintForColumn(0), measured);
}

TEST_F(TrackEditor, ShowsItsAddedControlsInsideTheWindowClearOfTheDesignedOnes) {
    struct Placed {
        QWidget* control;
        std::vector<QWidget*> besides;
    };
    whenModalOpens([&] {
        QTRY_VERIFY(Form2->isActiveWindow());
        EXPECT_TRUE(waitUntilFramed(Form2));
        const Placed added[] = {
            {Form2->ImportButton, {Form2->GroupBox1, Form2->GroupBox2, Form2->Button1}},
            {Form2->TrackCountLabel,
             {Form2->Label4, Form2->ListBox1, Form2->Label1, Form2->Edit1, Form2->Button3}},
        };
        for (const Placed& p : added) {
            SCOPED_TRACE(p.control->metaObject()->className());
            EXPECT_TRUE(p.control->isVisible());
            EXPECT_TRUE(p.control->parentWidget()->rect().contains(p.control->geometry()));
            for (QWidget* other : p.besides)
                EXPECT_FALSE(other->geometry().intersects(p.control->geometry()))
                    << other->objectName().toStdString();
        }
        Form2->close();
    });
    Form2->exec();
}
