// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace zifferon {

namespace {

// What a screen reader sees of the notice: a notification whose name is the
// text to be spoken.
class NoticeAccessible : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(ScreenReaderNotice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const ScreenReaderNotice*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* noticeFactory(const QString& /*className*/, QObject* object) {
    if (auto* notice = qobject_cast<ScreenReaderNotice*>(object)) {
        return new NoticeAccessible(notice);
    }
    return nullptr;
}

} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent) {
    // Before any notice is asked for its interface.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName("screenReaderNotice");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // No size: nothing of it is ever seen, and it covers no cell.
    setGeometry(0, 0, 0, 0);
    hide();
}

void ScreenReaderNotice::say(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement, sent on the window: screen readers speak it as
    // it comes, without a notification to present.
    text_ = text;
    if (!text.isEmpty()) {
        QAccessibleAnnouncementEvent announcement(parentWidget() ? parentWidget() : this, text);
        QAccessible::updateAccessibility(&announcement);
    }
#else
    // The screen reader speaks on the change from hidden to showing, so a
    // notice already shown is hidden first: a repeated verdict is spoken again.
    hide();
    if (text != text_) {
        text_ = text;
        // Keeps the name that screen readers have cached up to date; Orca
        // says nothing on it, as the notice does not hold the focus.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    if (!text.isEmpty()) {
        show();
    }
#endif
}

} // namespace zifferon
