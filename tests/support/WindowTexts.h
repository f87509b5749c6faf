// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// The texts a person reads on a window, for finding those a translation
// left in English: the same window is made once without translations and
// once with them, and what reads the same in both, though it is words, was
// not translated.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>

namespace quillbill::testing {

inline bool isInCalendar(const QWidget* widget)
{
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget())
        if (above->inherits("QCalendarWidget"))
            return true;
    return false;
}

// Every text `window` and its children show, keyed by where it is shown:
// the child's place among the window's children, its name and the kind of
// text ("12 cmdOK text"). Two windows made alike have the same keys.
inline std::map<QString, QString> shownTexts(QWidget* window)
{
    std::map<QString, QString> texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (qsizetype place = 0; place < widgets.size(); ++place) {
        QWidget* widget = widgets[place];
        // Qt's own parts, and the calendar's, which name months and days in
        // the locale's language.
        if (widget->objectName().startsWith(QLatin1String("qt_")) || isInCalendar(widget))
            continue;
        const QString where = QString::number(place) + u' ' + widget->objectName() + u' ';
        const auto add = [&](const QString& kind, const QString& text) {
            if (!text.isEmpty())
                texts[where + kind] = text;
        };
        if (widget->isWindow())
            add(QStringLiteral("title"), widget->windowTitle());
        add(QStringLiteral("tip"), widget->toolTip());
        add(QStringLiteral("status tip"), widget->statusTip());
        add(QStringLiteral("accessible name"), widget->accessibleName());
        add(QStringLiteral("accessible description"), widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(QStringLiteral("title"), group->title());
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            add(QStringLiteral("placeholder"), box->placeholderText());
        if (auto* text = qobject_cast<QTextEdit*>(widget))
            add(QStringLiteral("text"), text->toPlainText());
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int row = 0; row < list->count(); ++row)
                add(QStringLiteral("item %1").arg(row), list->itemText(row));
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(QStringLiteral("tab %1").arg(tab), tabs->tabText(tab));
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int column = 0; column < model->columnCount(); ++column)
                add(QStringLiteral("heading %1").arg(column),
                    model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
            if (qobject_cast<QListWidget*>(widget))
                for (int row = 0; row < model->rowCount(); ++row)
                    add(QStringLiteral("row %1").arg(row), model->index(row, 0).data().toString());
        }
        for (const QAction* action : widget->actions()) {
            add(QStringLiteral("action %1").arg(action->objectName()), action->text());
            add(QStringLiteral("action tip %1").arg(action->objectName()),
                action->toolTip() == QString(action->text()).remove(u'&') ? QString() : action->toolTip());
        }
    }
    return texts;
}

// The English texts the translation files `tsFiles` keep as they are, such
// as "Date" and "Page %1", which French writes alike: each as a pattern
// that a shown text, its %1 filled in, matches whole.
inline QList<QRegularExpression> keptAsIs(const QStringList& tsFiles)
{
    QList<QRegularExpression> kept;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    for (const QString& path : tsFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source) {
                QStringList parts = source.split(placeholder);
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                kept << QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))));
            }
        }
    }
    return kept;
}

// The texts of `translated` that read as in `english` although they hold
// words (acronyms such as "PDF" and paths are not), and are neither kept as
// is by the translations nor in `data` (names and the like that the records
// hold), as "where: text".
inline QStringList untranslatedTexts(const std::map<QString, QString>& english,
                                     const std::map<QString, QString>& translated,
                                     const QList<QRegularExpression>& kept, const QSet<QString>& data)
{
    static const QRegularExpression word(QStringLiteral("[a-z]{2,}"));
    QStringList left;
    for (const auto& [where, text] : translated) {
        const auto before = english.find(where);
        if (before == english.end() || before->second != text || !word.match(text).hasMatch() || text.startsWith(u'/')
            || data.contains(text))
            continue;
        if (std::any_of(kept.begin(), kept.end(),
                        [&text](const QRegularExpression& same) { return same.match(text).hasMatch(); }))
            continue;
        left << where + QStringLiteral(": ") + text;
    }
    return left;
}

} // namespace quillbill::testing
