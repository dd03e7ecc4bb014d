// Window-free code includes no widget header, even one spelled <QtWidgets/...>: every such header
// reaches this file first.
#error "window-free code (engine, logic, platform core) must not include Qt Widgets"
