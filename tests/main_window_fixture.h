#pragma once
// A main window on the real dictionary with every platform service faked, and the ways a
// user drives it: typing key by key, clicking a listed word, reading what it shows.

#include "fakes/fake_browser_launcher.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_cursor.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_resources.h"
#include "real_dictionary.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace velkaron::testing {

struct MainWindowFixture
{
    FakeResources resources;
    FakeMessageBoxes messages;
    FakeCursor cursor;
    FakeClipboard clipboard;
    FakeBrowserLauncher browser;
    std::unique_ptr<FrmSyno> frm =
        std::make_unique<FrmSyno>(realModule(), Services{resources, messages, cursor, clipboard, browser});

    MainWindowFixture()
    {
        frm->show();
        frm->activateWindow();
    }

    template<typename T>
    T *find(const char *name) const
    {
        T *child = frm->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QComboBox *cbo2() const { return find<QComboBox>("Cbo2"); }
    QLineEdit *entry() const { return cbo2()->lineEdit(); }
    QListWidget *lst() const { return find<QListWidget>("Lst"); }
    QListWidget *lstS() const { return find<QListWidget>("LstS"); }
    QTimer *timLst() const { return find<QTimer>("TimLst"); }
    QString lbl(const char *name) const { return find<QLabel>(name)->text(); }
    QStringList history() const
    {
        QStringList items;
        for (int i = 0; i < cbo2()->count(); ++i)
            items << cbo2()->itemText(i);
        return items;
    }
    // Waits for the start-up text "à ".
    bool started() const
    {
        return QTest::qWaitFor([this] { return entry()->text() == QStringLiteral("à "); }, 2000);
    }
};

inline QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// One key event per character, as a keyboard (or an input method) delivers it, accents
// included (QTest::keyClicks refuses what is not ASCII); a surrogate pair comes as one event.
inline void type(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString key = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, key);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Selects the whole entry and types `text` over it.
inline void replaceEntry(MainWindowFixture &w, const QString &text)
{
    w.entry()->selectAll();
    type(w.entry(), text);
}

// A left click near the left end of a row (a very long word's centre lies outside the list).
inline void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 8, rect.center().y()));
}

inline void clickItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no item %s", qPrintable(text));
    clickRow(list, list->row(found.front()));
}

} // namespace velkaron::testing
