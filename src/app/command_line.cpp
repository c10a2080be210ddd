// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QAction>
#include <QFileInfo>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/current_cover.h"
#include "app/main_window.h"
#include "app/open_file.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "base/application_title.h"
#include "base/error_box.h"
#include "cases/label_sheets.h"
#include "document/cover_export.h"
#include "pictures/picture_loader.h"
#include "pictures/print_only_pictures.h"
#include "print/print_shop_export.h"
#include "print/queue_print.h"
#include "tracks/track_editor.h"

namespace {

enum ExitStatus { Succeeded = 0, Failed = 1, Misused = 2 };

const char* const NoWindowArguments[] = {"--export",   "--print", "--thumbnail", "-h",
                                         "--help",     "--help-all", "-v",        "--version"};

void printLine(std::FILE* stream, const QString& text) {
    // One line, whatever the message holds.
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fputs(qPrintable(line + QLatin1Char('\n')), stream);
}

// The errors the cover's steps report while no window is there to show
// them; an export that met any has failed.
class CollectedErrors : public ErrorBox {
  public:
    void Show(const QString& message) override { messages << ErrorBoxText(message); }
    QStringList messages;
};

class CollectingErrors {
  public:
    CollectingErrors() {
        auto box = std::make_unique<CollectedErrors>();
        collected_ = box.get();
        previous_ = SetApplicationErrorBox(std::move(box));
    }
    ~CollectingErrors() { SetApplicationErrorBox(std::move(previous_)); }
    CollectingErrors(const CollectingErrors&) = delete;
    CollectingErrors& operator=(const CollectingErrors&) = delete;

    // Raises the first error collected, if any.
    void raiseFirst() const {
        if (!collected_->messages.isEmpty()) throw SleevixError(collected_->messages.constFirst());
    }

  private:
    CollectedErrors* collected_;
    std::unique_ptr<ErrorBox> previous_;
};

struct ExportRequest {
    QString output;
    QString input;
    int thumbnailSide = 0;  // a thumbnail of that side, not an export
    bool pdf = true;
    PaperSize paper = PaperSize::A4;
    int scale = MinExportScale;
    bool strict = false;
    bool lengths = false;
    std::optional<CaseKind> caseKind;  // overrides the kind the file has
    std::optional<double> bleedMm;     // a PDF for a print shop
    std::optional<QString> printer;    // printed to this queue (empty: the default)
    std::optional<const LabelSheet*> sheet;  // a disc label's sheet, whatever FILE says
};

// Writes the export and returns its warning, empty when there is none: what
// the cover goes without (tracks left out, a picture gone), which --strict
// makes a failure.
QString exportCover(const ExportRequest& request) {
    const CollectingErrors errors;
    const ProgramWindows windows(WindowShowing::Hidden);
    Form2->AddLengthsAction->setChecked(request.lengths);
    const FileToOpen file = ReadFileToOpen(request.input);
    // A PDF is the printed page alone: nobody sees the screen's pictures.
    std::optional<PrintOnlyPictures> printOnly;
    if (request.pdf) printOnly.emplace();
    TakeReducedDrawingsNote();  // what earlier pages went without is not this one's
    const QString note = file.open();
    if (!note.isEmpty() && request.strict) throw SleevixError(note);
    errors.raiseFirst();
    if (request.caseKind) Form1->ChooseCaseKind(*request.caseKind);
    if (request.sheet) UseLabelSheet(*request.sheet);
    QString printing;
    if (request.printer)
        printing = PrintToQueue(*request.printer, CoverToPrint(), request.strict);
    else if (request.thumbnailSide > 0)
        ExportCoverThumbnail(request.output, request.thumbnailSide, CurrentCover());
    else if (request.bleedMm)
        ExportForPrintShop(request.output, *request.bleedMm, CoverToPrint());
    else if (request.pdf)
        ExportCoverPdf(request.output, request.paper, CoverToPrint());
    else
        ExportCoverPng(request.output, request.scale, CurrentCover());
    errors.raiseFirst();
    const QString drawings = TakeReducedDrawingsNote();
    if (!drawings.isEmpty() && request.strict) throw SleevixError(drawings);
    QStringList notes;
    for (const QString& said : {note, drawings, printing})
        if (!said.isEmpty()) notes << said;
    return notes.join(QStringLiteral("; "));
}

// What every way out of the program takes from the options: the kind, and
// how the cover is opened.
ExportRequest coverRequest(const QCommandLineParser& parser, const QCommandLineOption& caseKind) {
    ExportRequest request;
    if (parser.isSet(caseKind)) {
        request.caseKind = CaseKindNamed(parser.value(caseKind).toLower());
        if (!request.caseKind)
            throw SleevixError(QStringLiteral("--case must be jewel, slim, dvd or disc"));
    }
    request.strict = parser.isSet(QStringLiteral("strict"));
    request.lengths = parser.isSet(QStringLiteral("lengths"));
    if (parser.isSet(QStringLiteral("sheet"))) {
        request.sheet = LabelSheetNamed(parser.value(QStringLiteral("sheet")));
        if (!*request.sheet)
            throw SleevixError(QStringLiteral(
                "--sheet must name a label sheet by maker and product, such as \"Avery L6015\""));
    }
    return request;
}

// The export the options ask for; raises an error for options that do not
// fit together.
ExportRequest exportRequest(const QCommandLineParser& parser, const QCommandLineOption& paper,
                            const QCommandLineOption& scale, const QCommandLineOption& caseKind,
                            const QCommandLineOption& bleed, const QString& output) {
    ExportRequest request = coverRequest(parser, caseKind);
    request.output = output;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        throw SleevixError(QStringLiteral("--export needs exactly one FILE to export from"));
    request.input = files.constFirst();
    const QString kind = QFileInfo(output).suffix().toLower();
    if (kind != QLatin1String("pdf") && kind != QLatin1String("png"))
        throw SleevixError(
            QStringLiteral("the export's name must end in .pdf or .png: %1").arg(output));
    request.pdf = kind == QLatin1String("pdf");

    if (parser.isSet(paper)) {
        if (!request.pdf) throw SleevixError(QStringLiteral("--paper goes with a PDF export"));
        const QString name = parser.value(paper).toLower();
        if (name != QLatin1String("a4") && name != QLatin1String("letter"))
            throw SleevixError(QStringLiteral("--paper must be a4 or letter"));
        request.paper = name == QLatin1String("letter") ? PaperSize::Letter : PaperSize::A4;
    }
    if (parser.isSet(bleed)) {
        if (!request.pdf) throw SleevixError(QStringLiteral("--bleed goes with a PDF export"));
        if (parser.isSet(paper))
            throw SleevixError(QStringLiteral("--bleed and --paper go apart: the print shop's "
                                              "page is the piece's size"));
        bool number = false;
        const double mm = parser.value(bleed).toDouble(&number);
        if (!number || !(mm >= 0 && mm <= MaxBleedMm))
            throw SleevixError(
                QStringLiteral("--bleed must be a number of millimetres from 0 to %1")
                    .arg(MaxBleedMm));
        request.bleedMm = mm;
    }
    if (parser.isSet(scale)) {
        if (request.pdf) throw SleevixError(QStringLiteral("--scale goes with a PNG export"));
        bool whole = false;
        request.scale = parser.value(scale).toInt(&whole);
        if (!whole || request.scale < MinExportScale || request.scale > MaxExportScale)
            throw SleevixError(QStringLiteral("--scale must be a whole number from %1 to %2")
                                   .arg(MinExportScale)
                                   .arg(MaxExportScale));
    }
    return request;
}

// One print job a FILE, to the queue named.
std::vector<ExportRequest> printRequests(const QCommandLineParser& parser,
                                         const QCommandLineOption& caseKind, const QString& queue) {
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) throw SleevixError(QStringLiteral("--print needs a FILE to print"));
    std::vector<ExportRequest> requests;
    for (const QString& file : files) {
        ExportRequest request = coverRequest(parser, caseKind);
        request.input = file;
        request.printer = queue;
        requests.push_back(request);
    }
    return requests;
}

// A thumbnail as a file manager asks for one: IN OUT SIZE.
ExportRequest thumbnailRequest(const QStringList& arguments) {
    if (arguments.size() != 3)
        throw SleevixError(QStringLiteral("--thumbnail needs IN, OUT and SIZE"));
    ExportRequest request;
    request.input = arguments[0];
    request.output = arguments[1];
    request.pdf = false;
    bool whole = false;
    request.thumbnailSide = arguments[2].toInt(&whole);
    if (!whole || request.thumbnailSide < 1 || request.thumbnailSide > MaxThumbnailSide)
        throw SleevixError(
            QStringLiteral("--thumbnail's SIZE must be a whole number from 1 to %1")
                .arg(MaxThumbnailSide));
    return request;
}

// The options the program knows, in the parser that reads them.
struct CommandLineOptions {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption exportTo{
        QStringLiteral("export"),
        QStringLiteral("Writes OUT from FILE without opening a window: the printed page as a "
                       "PDF, or the cover as the window shows it as a PNG, by OUT's extension."),
        QStringLiteral("OUT")};
    QCommandLineOption print{
        QStringLiteral("print"),
        QStringLiteral("Prints each FILE without opening a window to the printer PRINTER (\"\" "
                       "for the default one), with its paper, as Print does."),
        QStringLiteral("PRINTER")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("The PDF's paper: a4 (the default) or letter."),
                             QStringLiteral("a4|letter")};
    QCommandLineOption scale{
        QStringLiteral("scale"),
        QStringLiteral("The PNG's scale, %1 to %2 (the default %1): drawn sharp at that size.")
            .arg(MinExportScale)
            .arg(MaxExportScale),
        QStringLiteral("N")};
    QCommandLineOption strict{
        QStringLiteral("strict"),
        QStringLiteral("Fails the export on a warning (tracks left out, a picture gone) "
                       "instead of writing OUT without them.")};
    QCommandLineOption thumbnail{
        QStringLiteral("thumbnail"),
        QStringLiteral("With IN OUT SIZE instead of FILE: writes the cover IN as a PNG of at "
                       "most SIZE x SIZE pixels to OUT, without a window, for file managers.")};
    QCommandLineOption caseKind{
        QStringLiteral("case"),
        QStringLiteral("The kind of cover to export, whatever FILE says: jewel (a track list's "
                       "default), slim, dvd or disc."),
        QStringLiteral("jewel|slim|dvd|disc")};
    QCommandLineOption bleed{
        QStringLiteral("bleed"),
        QStringLiteral("With a PDF export: a PDF for a print shop, each piece on a page of its "
                       "own with pictures running MM past the cut (3 is usual) and crop marks."),
        QStringLiteral("MM")};
    QCommandLineOption sheet{
        QStringLiteral("sheet"),
        QStringLiteral("Prints a disc label on the label sheet NAME (maker and product, such as "
                       "\"Avery L6015\"), whatever FILE says."),
        QStringLiteral("NAME")};
    QCommandLineOption lengths{
        QStringLiteral("lengths"),
        QStringLiteral("Adds each track's length, as \"Add track lengths\" does, to tracks "
                       "taken from a track list, audio files or a folder.")};

    CommandLineOptions() {
        parser.setApplicationDescription(QStringLiteral(
            "Designs and prints the inserts of a CD jewel case.\n\n"
            "An export that succeeds prints nothing and ends with status 0. When the cover\n"
            "goes without something (tracks past the 41 a cover holds, a picture that has\n"
            "gone), the export is still written, one line starting \"warning:\" says what\n"
            "was left out, and the status is 0; with --strict it fails instead. Any\n"
            "failure prints one line and ends with status 1 (2 for wrong options); --print\n"
            "goes on with the next FILE and ends with status 1 if any failed."));
        parser.addOptions(
            {exportTo, print, paper, scale, strict, lengths, caseKind, sheet, bleed, thumbnail});
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            QStringLiteral("What to open: a cover (.sleevix), a CUE sheet, a playlist (.m3u, "
                           ".m3u8), a text list (.txt), audio files' folder or an audio file. "
                           "Each FILE after the first opens in a window of its own."),
            QStringLiteral("[FILE...]"));
    }

    // Whether these arguments open the windows, rather than ending with an
    // export, an answer or a complaint about themselves.
    bool opensWindows(const QStringList& arguments) {
        return parser.parse(arguments) && !parser.isSet(help) && !parser.isSet(version) &&
               !parser.isSet(exportTo) && !parser.isSet(print) && !parser.isSet(thumbnail) &&
               !parser.isSet(paper) &&
               !parser.isSet(scale) && !parser.isSet(strict) && !parser.isSet(lengths) &&
               !parser.isSet(caseKind) && !parser.isSet(sheet) && !parser.isSet(bleed);
    }
};

void printWarning(const QString& warning) {
    if (!warning.isEmpty()) printLine(stderr, QStringLiteral("warning: ") + ErrorBoxText(warning));
}

// Prints every FILE in turn: one that fails says why, and the rest still
// print.
CommandLineOutcome printEach(const CommandLineOptions& options, const QString& program) {
    const QCommandLineParser& parser = options.parser;
    if (parser.isSet(options.exportTo) || parser.isSet(options.thumbnail))
        throw SleevixError(QStringLiteral("--print, --export and --thumbnail go apart"));
    if (parser.isSet(options.paper) || parser.isSet(options.scale) || parser.isSet(options.bleed))
        throw SleevixError(QStringLiteral(
            "--paper, --scale and --bleed go with --export: --print takes the printer's paper"));
    bool failed = false;
    for (const ExportRequest& request :
         printRequests(parser, options.caseKind, parser.value(options.print))) {
        try {
            printWarning(exportCover(request));
        } catch (const SleevixError& error) {
            printLine(stderr, program + QStringLiteral(": ") + error.message());
            failed = true;
        }
    }
    return {false, QStringList(), failed ? Failed : Succeeded};
}

QtMessageHandler qtMessageHandler = nullptr;

void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtMessageHandler)
        qtMessageHandler(type, context, message);
}

}  // namespace

namespace {

void chooseOffscreen() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about its surroundings (no runtime folder, ...) would break
    // the promise of one line or none.
    qtMessageHandler = qInstallMessageHandler(keepOnlyCriticalMessages);
}

bool noDisplayAtAll() {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

void ChooseDisplayForCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* argument : NoWindowArguments) {
            const std::size_t length = std::strlen(argument);
            if (std::strncmp(argv[i], argument, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '=')) {
                chooseOffscreen();
                return;
            }
        }
    }
    // With no display to reach, arguments that open no window (a mistyped
    // option, an option that needs --export) still get their one line
    // instead of Qt's failure to reach a display.
    // Qt's own options (-style, -platform, ...) are the application
    // object's to read; where there are any, Qt decides.
    if (noDisplayAtAll()) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i) {
            if (argv[i][0] == '-' && argv[i][1] != '-' && argv[i][1] != '\0') return;
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        if (!CommandLineOptions().opensWindows(arguments)) chooseOffscreen();
    }
}

CommandLineOutcome RunCommandLine(const QStringList& arguments) {
    CommandLineOptions options;
    QCommandLineParser& parser = options.parser;
    const QCommandLineOption& help = options.help;
    const QCommandLineOption& version = options.version;
    const QCommandLineOption& exportTo = options.exportTo;
    const QCommandLineOption& paper = options.paper;
    const QCommandLineOption& scale = options.scale;

    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        printLine(stderr, program + QStringLiteral(": ") + parser.errorText());
        return {false, QStringList(), Misused};
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {false, QStringList(), Succeeded};
    }
    if (parser.isSet(version)) {
        printLine(stdout, program + QLatin1Char(' ') + QString::fromLatin1(ApplicationVersion));
        return {false, QStringList(), Succeeded};
    }

    try {
        if (parser.isSet(options.thumbnail)) {
            if (parser.isSet(exportTo))
                throw SleevixError(QStringLiteral("--thumbnail and --export go apart"));
            exportCover(thumbnailRequest(parser.positionalArguments()));
            return {false, QStringList(), Succeeded};
        }
        if (parser.isSet(options.print)) return printEach(options, program);
        if (parser.isSet(exportTo)) {
            const QString warning =
                exportCover(exportRequest(parser, paper, scale, options.caseKind,
                                          options.bleed, parser.value(exportTo)));
            printWarning(warning);
            return {false, QStringList(), Succeeded};
        }
        if (parser.isSet(paper) || parser.isSet(scale) || parser.isSet(options.strict) ||
            parser.isSet(options.lengths) || parser.isSet(options.caseKind) ||
            parser.isSet(options.sheet) || parser.isSet(options.bleed))
            throw SleevixError(QStringLiteral("--paper, --scale, --strict, --lengths, --case, "
                                              "--sheet and --bleed go with --export"));
        return {true, parser.positionalArguments(), Succeeded};
    } catch (const SleevixError& error) {
        printLine(stderr, program + QStringLiteral(": ") + error.message());
    } catch (const std::exception& error) {
        printLine(stderr, program + QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
    }
    return {false, QStringList(), Failed};
}
