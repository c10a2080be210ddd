// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/commands/picture_drop.h"

#include <exception>

#include <QClipboard>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "app/main_window.h"
#include "base/handler_guard.h"
#include "base/sleevix_error.h"
#include "pictures/commands/image_command.h"
#include "pictures/picture_loader.h"
#include "render/surface_view.h"
#include "widgets/copy_drop.h"

namespace {

const char* const NothingToDrop = QT_TRANSLATE_NOOP(
    "Pictures",
    "Only a picture, a picture file or an audio file with album art can be dropped on an insert");
const char* const NothingToPaste = QT_TRANSLATE_NOOP("Pictures", "The clipboard holds no picture");

// What can be laid on an insert from a drop or the clipboard, or the
// reason it cannot; `nothing` is the reason when it holds no picture.
PictureChoice pictureChoiceFrom(const QMimeData& data, const QString& nothing) {
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty()) {
        if (urls.size() > 1)
            throw SleevixError(QCoreApplication::translate(
                                   "Pictures", "One picture at a time, please: %1 files were given")
                                   .arg(urls.size()));
        const QUrl& url = urls.constFirst();
        if (!url.isLocalFile())
            throw SleevixError(
                QCoreApplication::translate("Pictures",
                                            "Only a picture file on this computer can be used (%1)")
                    .arg(url.toDisplayString()));
        const QString path = url.toLocalFile();
        const QFileInfo file(path);
        if (file.isDir())
            throw SleevixError(
                QCoreApplication::translate("Pictures", "\"%1\" is a folder, not a picture")
                    .arg(file.fileName()));
        // Refused before anything changes, as the loader would refuse it.
        CheckPictureFileName(path);
        return PictureChoice{path, QImage()};
    }
    if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (!image.isNull()) return PictureChoice{QString(), image};
    }
    throw SleevixError(nothing);
}

// Shows the page and runs the "Image" command there with the choice made.
void layOnInsert(TForm1& window, int page, const PictureChoice& choice) {
    window.TabbedNotebook1->setCurrentIndex(page);
    RunImageCommand(window, [&] { return std::optional<PictureChoice>(choice); });
}

// Takes every drag onto an insert, so that a drop of something that is no
// picture still arrives and is told why it was refused.
class InsertDropTarget : public QObject {
  public:
    InsertDropTarget(TForm1& window, int page) : QObject(&window), window_(window), page_(page) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
                AcceptAsCopy(static_cast<QDropEvent*>(event));
                return true;
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                AcceptAsCopy(drop);
                // What was dropped is taken now, while its data lives; the
                // command runs once the drop has ended, so that the
                // program it came from is not kept waiting by a message.
                PictureChoice choice;
                std::exception_ptr refusal;
                try {
                    choice = pictureChoiceFrom(
                        *drop->mimeData(), QCoreApplication::translate("Pictures", NothingToDrop));
                } catch (const SleevixError&) {
                    refusal = std::current_exception();
                }
                QTimer::singleShot(0, &window_, [this, choice, refusal] {
                    RunHandler([&] {
                        if (refusal) std::rethrow_exception(refusal);
                        layOnInsert(window_, page_, choice);
                    });
                });
                return true;
            }
            default:
                return QObject::eventFilter(watched, event);
        }
    }

  private:
    TForm1& window_;
    int page_;
};

}  // namespace

void LayPictureOnInsert(TForm1& window, int page, const QString& path) {
    layOnInsert(window, page, PictureChoice{path, QImage()});
}

void DropPictureOnInsert(TForm1& window, int page, const QMimeData& data) {
    layOnInsert(window, page,
                pictureChoiceFrom(data, QCoreApplication::translate("Pictures", NothingToDrop)));
}

void PastePictureOnInsert(TForm1& window) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) throw SleevixError(QCoreApplication::translate("Pictures", NothingToPaste));
    layOnInsert(window, window.TabbedNotebook1->currentIndex(),
                pictureChoiceFrom(*data, QCoreApplication::translate("Pictures", NothingToPaste)));
}

void InstallInsertPictureDrops(TForm1& window) {
    const struct {
        const char* view;
        int page;
    } inserts[] = {{"Image1", TForm1::BackPage},
                   {"Image2", TForm1::BackPage},
                   {"Image3", TForm1::BackPage},
                   {"Image4", FrontInsertPage}};
    auto* back = new InsertDropTarget(window, TForm1::BackPage);
    auto* front = new InsertDropTarget(window, FrontInsertPage);
    for (const auto& insert : inserts) {
        auto* view = window.findChild<SurfaceView*>(QString::fromLatin1(insert.view));
        if (!view) continue;
        view->setAcceptDrops(true);
        view->installEventFilter(insert.page == TForm1::BackPage ? back : front);
    }
    auto* paste = new QShortcut(QKeySequence::Paste, &window);
    ConnectHandler(paste, &QShortcut::activated, &window,
                   [&window] { PastePictureOnInsert(window); });
}
