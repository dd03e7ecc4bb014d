// Code that draws without opening a window includes no widget header, even one spelled
// <QtWidgets/...>: every such header reaches this file first.
#error "drawing code (the printed report) must not include Qt Widgets"
