# SPDX-License-Identifier: GPL-3.0-or-later
# Charts in the ways a chart tool writes metafiles: lines and points,
# histograms with rotated labels, one-bit pattern fills, filled curves,
# impulses, a polar grid.
set terminal emf color enhanced font "Arial,12" size 800,600
set output "chart_tool_lines.emf"
set title "Monthly sales"
set xlabel "Month"; set ylabel "Units sold"
set grid
plot sin(x)*50+60 title "North" with linespoints lw 2, cos(x)*40+50 title "South" with lines dt 2 lw 1
set output "chart_tool_bars.emf"
set style data histograms; set style fill solid 0.8 border -1
set ylabel "Revenue (k)"; set xlabel "Quarter"; set y2label "Share"
set xtics rotate by 45 right
plot '-' using 2:xtic(1) title "2025", '' using 2 title "2026"
Q1 10
Q2 15
Q3 12
Q4 18
e
Q1 11
Q2 17
Q3 14
Q4 20
e
set output "chart_tool_pattern.emf"
set style fill pattern 2 border
unset y2label
plot '-' using 2:xtic(1) title "A", '' using 2 title "B", '' using 2 title "C"
a 3
b 5
c 4
e
a 4
b 2
c 6
e
a 1
b 3
c 2
e
set output "chart_tool_filled.emf"
set style fill transparent solid 0.4 noborder
unset xtics; set xtics
set key top left
plot [0:10] sin(x)+2 with filledcurves y1=0 title "area", cos(x)+2 with filledcurves y1=0 title "area 2"
set output "chart_tool_scatter.emf"
set style fill solid
set ylabel "Y axis" rotate by 90
plot [0:10] '+' using 1:(sin($1)*$1) with points pt 7 ps 1.5 title "points", x with impulses title "impulses"
set output "chart_tool_polar.emf"
set polar; set grid polar; unset border; unset xtics; unset ytics
plot [0:2*pi] 1+cos(t) title "cardioid" lw 3
