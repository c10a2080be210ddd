// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ratio_reporter.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios({{"LeftRender", "LeftFloor"},
                          {"CentredRender", "CentredFloor"},
                          {"LoadJpeg", "BareJpeg"},
                          {"LoadJpegForScreen", "LoadJpegForScreenInProcess"},
                          {"LoadGif", "BareGifDecode"},
                          {"LoadAndDrawEmf", "ReplayRecordedEmf"},
                          {"OutlineSwitchWithPictures", "ThreeBareJpegDecodes"},
                          {"PreviewPaneShowsPhoto", "BareJpeg"},
                          {"BareJpegEighth", "BareJpeg"},
                          {"PreviewPaneShowsPhoto", "BareJpegEighth"},
                          {"PreviewPaneShowsCameraPhoto", "BareCameraJpegEighth"},
                          {"PreviewPaneShowsCameraThumbnail/iterations:20", "BareCameraJpegEighth"},
                          {"HighlightDrawnHeavyPng/iterations:5", "PaneDecodeOfHeavyPng"},
                          {"HighlightDrawnHeavySvgz/iterations:5", "PaneDecodeOfHeavySvgz"},
                          {"PreviewPaneShowsLowNoisePhoto", "BareJpegLowNoise"},
                          {"BareJpegLowNoiseEighth", "BareJpegLowNoise"},
                          {"LoadPng", "BarePngRead"},
                          {"SvgOntoTheBackStrip", "BareSvgDraw"},
                          {"PrintJobToPdf", "PicturesOnlyToPdf"},
                          {"DvdPrintJobToPdf", "PrintJobToPdf"},
                          {"DvdCoverImage", "JewelCoverImage"},
                          {"DiscLabelAlongArcs/600", "DiscLabelStraight/600"},
                          {"DiscLabelAlongArcs/96", "DiscLabelStraight/96"},
                          {"OpenAndDrawDocument", "LeftRender"},
                          {"LongTextsRenderAndExport", "ThousandCharacterTextsRenderAndExport"}});
    reporter.PrintRatioToSum("ExportProcessToPdf", {"StartUpProcess", "PrintJobToPdf"});
    reporter.PrintRatios({{"ImportFlacFolder", "TagLibReadsFlacFolder"},
                          {"ImportFlacFolderWithLengths", "TagLibReadsFlacFolderWithLengths"}});
    benchmark::Shutdown();
    return 0;
}
