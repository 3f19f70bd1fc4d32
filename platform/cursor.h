#pragma once
// The mouse pointer of a window: busy while a long handler runs, the arrow afterwards.

class QWidget;

namespace velkaron {

class Cursor
{
public:
    virtual ~Cursor() = default;
    virtual void setBusy(QWidget *window) = 0;
    virtual void setArrow(QWidget *window) = 0;
};

// Shows the busy pointer for its lifetime and the arrow after, also when the handler
// between meets a failure.
class BusyCursorGuard final
{
public:
    BusyCursorGuard(Cursor &cursor, QWidget *window) : cursor_(cursor), window_(window) { cursor_.setBusy(window_); }
    ~BusyCursorGuard() { cursor_.setArrow(window_); }
    BusyCursorGuard(const BusyCursorGuard &) = delete;
    BusyCursorGuard &operator=(const BusyCursorGuard &) = delete;

private:
    Cursor &cursor_;
    QWidget *window_;
};

} // namespace velkaron
