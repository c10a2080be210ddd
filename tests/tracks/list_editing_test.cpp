// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the track list beyond append and correct: delete, move, renumber,
// clear, paste, the count, leaving correct mode, and undo.

#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>

#include "app/cover_state.h"
#include "tracks/editor_fixture.h"
#include "tracks/track_list_box.h"

namespace {

class ListEditing : public EditorFixture {
  protected:
    void fill(const QStringList& texts) {
        for (const QString& text : texts) type(text);
    }
    QString counter() const { return Form2->TrackCountLabel->text(); }
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(Form2->Edit1, Qt::Key_V, Qt::ControlModifier);
    }
    // Drags entry `from` onto the upper or lower half of entry `onto`.
    void dragEntry(int from, int onto, bool lowerHalf) {
        QListWidget* list = Form2->ListBox1;
        std::unique_ptr<QMimeData> data(list->model()->mimeData({list->model()->index(from, 0)}));
        const QRect place = list->visualItemRect(list->item(onto));
        const QPoint at(place.center().x(), lowerHalf ? place.bottom() - 1 : place.top() + 1);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
    }
};

TEST_F(ListEditing, DeleteRemovesTheSelectedEntryAndKeepsTheNumbersCountingUp) {
    fill({"A", "B", "C"});
    EXPECT_EQ(counter(), "3 of 41 tracks");

    // Without a selection the key does nothing.
    QTest::keyClick(Form2->ListBox1, Qt::Key_Delete);
    EXPECT_EQ(entries().size(), 3);

    clickEntry(1);
    QTest::keyClick(Form2->ListBox1, Qt::Key_Delete);
    EXPECT_EQ(entries(), (QStringList{"1. A", "2. C"}));
    EXPECT_EQ(TrackCount, 2);
    EXPECT_EQ(counter(), "2 of 41 tracks");
    // The field showed the deleted entry; it goes with it, and append mode
    // is back.
    EXPECT_TRUE(Form2->Edit1->text().isEmpty());
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(Form2->Button3->text(), "&Insert");
    type("D");
    EXPECT_EQ(entries(), (QStringList{"1. A", "2. C", "3. D"}));

    // The context menu's command; a field the user changed keeps its text.
    clickEntry(0);
    Form2->Edit1->setText("1. A (edited)");
    Form2->DeleteAction->trigger();
    EXPECT_EQ(entries(), (QStringList{"1. C", "2. D"}));
    EXPECT_EQ(Form2->Edit1->text(), "1. A (edited)");
    EXPECT_TRUE(errors->shown.isEmpty());
}

TEST_F(ListEditing, EntriesMoveByKeysMenuAndDragKeepingTheirSelectionAndNumbersCountingUp) {
    fill({"A", "B", "C", "D"});
    clickEntry(0);
    QTest::keyClick(Form2->ListBox1, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(entries(), (QStringList{"1. B", "2. A", "3. C", "4. D"}));
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(Form2->Edit1->text(), "2. A");
    EXPECT_EQ(Form2->Button3->text(), "&Replace");

    Form2->MoveDownAction->trigger();
    Form2->MoveDownAction->trigger();
    Form2->MoveDownAction->trigger();  // already last: nothing
    EXPECT_EQ(entries(), (QStringList{"1. B", "2. C", "3. D", "4. A"}));
    QTest::keyClick(Form2->ListBox1, Qt::Key_Up, Qt::AltModifier);
    Form2->MoveUpAction->trigger();
    EXPECT_EQ(entries(), (QStringList{"1. B", "2. A", "3. C", "4. D"}));
    EXPECT_EQ(selectedRow(), 1);

    // Dragged: the last entry onto the upper half of the first goes before
    // it; the first onto the lower half of the third goes after that.
    dragEntry(3, 0, false);
    EXPECT_EQ(entries(), (QStringList{"1. D", "2. B", "3. A", "4. C"}));
    dragEntry(0, 2, true);
    EXPECT_EQ(entries(), (QStringList{"1. B", "2. A", "3. D", "4. C"}));
    EXPECT_EQ(TrackCount, 4);
    // Correcting the selected entry still replaces the right one.
    Form2->Edit1->setText("A (moved)");
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(entries(), (QStringList{"1. B", "A (moved)", "3. D", "4. C"}));
}

TEST_F(ListEditing, RenumberCountsTheNumberedEntriesInListOrder) {
    fill({"Side one", "X", "Y", "", "Z"});
    // "Side one" loses its number; Y moves above X.
    clickEntry(0);
    Form2->Edit1->setText("Side one");
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    clickEntry(2);
    Form2->MoveUpAction->trigger();
    Form2->RenumberAction->trigger();
    EXPECT_EQ(entries(), (QStringList{"Side one", "1. Y", "2. X", "3. ", "4. Z"}));
    // The selected entry, shown unchanged in the field, is shown renumbered.
    EXPECT_EQ(Form2->Edit1->text(), "1. Y");
    EXPECT_EQ(TrackCount, 5);
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);  // back to append mode
    type("Next");
    EXPECT_EQ(entries().last(), "6. Next");
}

TEST_F(ListEditing, ClearListAsksFirst) {
    fill({"A", "B"});
    questions->clearAnswers = {false, true};
    Form2->ClearAction->trigger();
    EXPECT_EQ(entries().size(), 2);
    Form2->ClearAction->trigger();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(questions->asked, (QStringList{"clear 2", "clear 2"}));
    EXPECT_EQ(TrackCount, 0);
    EXPECT_EQ(counter(), "0 of 41 tracks");
    // An empty list is not asked about.
    Form2->ClearAction->trigger();
    EXPECT_EQ(questions->asked.size(), 2);
    type("Again");
    EXPECT_EQ(entries(), QStringList{"1. Again"});
}

TEST_F(ListEditing, CorrectModeShowsAndEscapeLeavesItWithoutChangingAnything) {
    fill({"A", "B"});
    EXPECT_EQ(Form2->Button3->text(), "&Insert");
    clickEntry(1);
    EXPECT_EQ(Form2->Button3->text(), "&Replace");
    Form2->Edit1->setText("2. B, half edited");
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_EQ(Form2->Button3->text(), "&Insert");
    EXPECT_EQ(Form2->Edit1->text(), "2. B, half edited");
    EXPECT_EQ(entries(), (QStringList{"1. A", "2. B"}));
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(entries().last(), "3. 2. B, half edited");
    // An entry only shown is not kept in the field to be added again.
    clickEntry(0);
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(Form2->Edit1->text().isEmpty());
}

TEST_F(ListEditing, PastingLinesAppendsOneNumberedEntryEach) {
    fill({"Intro"});
    Form2->Edit1->setText("draft");
    Form2->Edit1->setCursorPosition(2);
    paste("2. Song\r\n\r\n3. Ballad\n4. Outro\n");
    EXPECT_EQ(entries(), (QStringList{"1. Intro", "2. Song", "3. Ballad", "4. Outro"}));
    EXPECT_EQ(TrackCount, 4);
    EXPECT_EQ(Form2->Edit1->text(), "draft");  // the field keeps what it held
    EXPECT_EQ(counter(), "4 of 41 tracks");

    // One line pastes into the field as usual.
    paste("just text");
    EXPECT_EQ(Form2->Edit1->text(), "drjust textaft");
    EXPECT_EQ(entries().size(), 4);
}

TEST_F(ListEditing, APasteBeyondTheCoverTakesWhatFitsAndSaysHowManyWereLeftOut) {
    for (int i = 1; i <= 39; ++i) type(QStringLiteral("T%1").arg(i));
    paste("a\nb\nc\nd\ne");
    EXPECT_EQ(TrackCount, 41);
    EXPECT_EQ(entries().mid(38), (QStringList{"39. T39", "40. a", "41. b"}));
    EXPECT_EQ(errors->shown,
              QStringList{"3 of 5 tracks were left out: a cover holds at most 41 tracks."});

    // A full list takes nothing, and nothing in it changes.
    const QStringList before = entries();
    paste("x\ny");
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(errors->shown.last(),
              "2 of 2 tracks were left out: a cover holds at most 41 tracks.");
    EXPECT_FALSE(Form2->Edit1->text().contains('\n'));
}

TEST_F(ListEditing, UndoAndRedoWalkEveryChangeBackToTheOpenedState) {
    fill({"Kept from before"});
    Form2->Edit3->setText("Old Artist");
    whenModalOpens([&] {
        QTRY_VERIFY(Form2->isActiveWindow());
        typeKeys(Form2->Edit1, "Intro");
        QTest::keyClick(Form2->Edit1, Qt::Key_Return);
        typeKeys(Form2->Edit1, "Song");
        QTest::keyClick(Form2->Edit1, Qt::Key_Return);
        Form2->Edit3->selectAll();
        typeKeys(Form2->Edit3, "New");
        clickEntry(0);
        QTest::keyClick(Form2->ListBox1, Qt::Key_Delete);
        const QStringList changed = entries();
        EXPECT_EQ(changed, (QStringList{"1. Intro", "2. Song"}));

        // Back step by step, from wherever the focus is.
        undo(Form2->ListBox1);  // the delete
        EXPECT_EQ(entries(), (QStringList{"1. Kept from before", "2. Intro", "3. Song"}));
        EXPECT_EQ(selectedRow(), 0);
        undo(Form2->Edit2);  // the artist typed
        EXPECT_EQ(Form2->Edit3->text(), "Old Artist");
        undo(Form2->Edit1);  // the second Insert
        EXPECT_EQ(entries().size(), 2);
        EXPECT_EQ(Form2->Edit1->text(), "Song");
        EXPECT_EQ(TrackCount, 2);
        for (int i = 0; i < 10; ++i) undo(Form2->Edit1);
        EXPECT_EQ(entries(), QStringList{"1. Kept from before"});
        EXPECT_TRUE(Form2->Edit1->text().isEmpty());
        EXPECT_EQ(Form2->Edit3->text(), "Old Artist");
        EXPECT_EQ(TrackCount, 1);

        // Forward again to where it was.
        for (int i = 0; i < 20; ++i) redo(Form2->ListBox1);
        EXPECT_EQ(entries(), changed);
        EXPECT_EQ(Form2->Edit3->text(), "New");
        EXPECT_EQ(TrackCount, 2);
        EXPECT_EQ(Form2->TrackCountLabel->text(), "2 of 41 tracks");
        Form2->close();
    });
    Form2->exec();

    // Opened again, the history starts from here.
    whenModalOpens([&] {
        undo(Form2->Edit1);
        Form2->close();
    });
    Form2->exec();
    EXPECT_EQ(entries(), (QStringList{"1. Intro", "2. Song"}));
}

TEST_F(ListEditing, AClickThatReplacesTypedTextCanBeUndone) {
    fill({"A", "B"});
    clickEntry(0);
    typeKeys(Form2->Edit1, " (live)");
    EXPECT_EQ(Form2->Edit1->text(), "1. A (live)");
    // Another entry replaces the half-made correction ...
    clickEntry(1);
    EXPECT_EQ(Form2->Edit1->text(), "2. B");
    // ... which comes back, with its entry selected to replace.
    undo(Form2->ListBox1);
    EXPECT_EQ(Form2->Edit1->text(), "1. A (live)");
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(Form2->Button3->text(), "&Replace");
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    EXPECT_EQ(entries(), (QStringList{"1. A (live)", "2. B"}));

    // Clicks that lose nothing are no step of their own.
    clickEntry(0);
    clickEntry(1);
    undo(Form2->ListBox1);
    EXPECT_EQ(entries(), (QStringList{"1. A", "2. B"}));
}

}  // namespace

TEST_F(ListEditing, ACommandThatShortensTheListLeavesNoWidthsOfTheTracksGone) {
    const QString longTitle = QStringLiteral("A title far too long to stand at fifty points");
    const std::function<void()> shorten[] = {
        [&] {
            clickEntry(6);
            QTest::keyClick(Form2->ListBox1, Qt::Key_Delete);
        },
        [&] {
            questions->clearAnswers = {true};
            Form2->ClearAction->trigger();
            type("Short");
        },
        [&] { Form2->UndoAction->trigger(); },
    };
    for (const auto& command : shorten) {
        questions->clearAnswers = {true};
        Form2->ClearAction->trigger();
        fill({"A", "B", "C", "D", "E", "F", longTitle});
        Form2->Button1Click();
        command();
        Form2->Button1Click();
        EXPECT_LT(TrackCount, 7);
        EXPECT_TRUE(errors->shown.isEmpty()) << errors->shown.join(" / ").toStdString();
        for (int i = TrackCount; i < MaxTracks; ++i) EXPECT_EQ(TrackWidths[i], 0) << i;
        errors->shown.clear();
    }
}
