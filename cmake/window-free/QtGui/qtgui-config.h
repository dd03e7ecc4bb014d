// Window-free code includes no Qt GUI header, even one spelled <QtGui/...>: every such header
// reaches this file first.
#error "window-free code (engine, logic, platform core) must not include Qt GUI"
