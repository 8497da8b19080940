#pragma once

// Both start-up programs end the same way: once a top-level window has been
// painted for the first time and the events queued behind that are done.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

class QuitWhenPainted : public QObject {
public:
    explicit QuitWhenPainted(std::function<void()> quit) : m_quit(std::move(quit)) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* target, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(target);
        if (!m_done && event->type() == QEvent::Paint && widget && widget->isWindow()) {
            m_done = true;
            QTimer::singleShot(0, this, [this] { m_quit(); });
        }
        return false;
    }

private:
    std::function<void()> m_quit;
    bool m_done = false;
};
