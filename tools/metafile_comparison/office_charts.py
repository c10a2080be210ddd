# SPDX-License-Identifier: GPL-3.0-or-later
"""Office-suite charts as metafiles: a spreadsheet of six months, one chart
of each common kind with a title, axis titles (the value axis title turned)
and a legend, each exported as EMF, and some also as WMF, into the folder
given. Run with the system Python, which has the office suite's bridge:
    /usr/bin/python3 office_charts.py OUT_DIR
"""
import os
import subprocess
import sys
import time

import uno
from com.sun.star.awt import Rectangle
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress

PIPE = "sleevix_charts"
MONTHS = [
    ["", "Sales", "Costs", "Profit"],
    ["Jan", 120, 80, 40],
    ["Feb", 135, 90, 45],
    ["Mar", 150, 95, 55],
    ["Apr", 110, 85, 25],
    ["May", 170, 100, 70],
    ["Jun", 190, 120, 70],
]
# name, diagram service, diagram properties, also as WMF
CHARTS = [
    ("bar", "com.sun.star.chart.BarDiagram", {}, True),
    ("hbar", "com.sun.star.chart.BarDiagram", {"Vertical": True}, False),
    ("line", "com.sun.star.chart.LineDiagram", {}, False),
    ("pie", "com.sun.star.chart.PieDiagram", {}, True),
    ("area", "com.sun.star.chart.AreaDiagram", {"Stacked": True}, False),
    ("xy", "com.sun.star.chart.XYDiagram", {}, False),
    ("bar3d", "com.sun.star.chart.BarDiagram", {"Dim3D": True}, True),
    ("donut", "com.sun.star.chart.DonutDiagram", {}, False),
]
WITHOUT_AXES = ("pie", "donut")


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect():
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(120):
        try:
            return resolver.resolve(f"uno:pipe,name={PIPE};urp;StarOffice.ComponentContext")
        except Exception:
            time.sleep(0.5)
    sys.exit("the office suite did not answer")


def main(out):
    office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore",
                               f"--accept=pipe,name={PIPE};urp;"])
    try:
        context = connect()
        manager = context.ServiceManager
        desktop = manager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                                (prop("Hidden", True),))
        sheet = document.Sheets.getByIndex(0)
        for r, row in enumerate(MONTHS):
            for c, value in enumerate(row):
                cell = sheet.getCellByPosition(c, r)
                if isinstance(value, str):
                    cell.setString(value)
                else:
                    cell.setValue(value)
        data = CellRangeAddress()
        data.Sheet, data.StartColumn, data.StartRow = 0, 0, 0
        data.EndColumn, data.EndRow = len(MONTHS[0]) - 1, len(MONTHS) - 1
        exporter = manager.createInstanceWithContext(
            "com.sun.star.drawing.GraphicExportFilter", context)
        for i, (name, diagram, properties, wmf) in enumerate(CHARTS):
            place = Rectangle()
            place.X, place.Y, place.Width, place.Height = 1000, 1000 + i * 9000, 14000, 8500
            sheet.Charts.addNewByName(name, place, (data,), True, True)
            chart = sheet.Charts.getByName(name).EmbeddedObject
            chart.setDiagram(chart.createInstance(diagram))
            for key, value in properties.items():
                chart.Diagram.setPropertyValue(key, value)
            chart.HasMainTitle = True
            chart.Title.String = "Half-year " + name
            if name not in WITHOUT_AXES:
                chart.Diagram.HasXAxisTitle = True
                chart.Diagram.XAxisTitle.String = "Month"
                chart.Diagram.HasYAxisTitle = True
                chart.Diagram.YAxisTitle.String = "Amount in euros"
            chart.HasLegend = True
            exporter.setSourceDocument(sheet.DrawPage.getByIndex(i))
            for extension, media in [("emf", "image/x-emf")] + ([("wmf", "image/x-wmf")] if wmf else []):
                path = os.path.abspath(os.path.join(out, f"office_chart_{name}.{extension}"))
                exporter.filter((prop("URL", uno.systemPathToFileUrl(path)),
                                 prop("MediaType", media)))
        document.close(True)
        try:
            desktop.terminate()
        except Exception:
            pass  # the bridge goes down with the office suite
    finally:
        try:
            office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            office.kill()


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
