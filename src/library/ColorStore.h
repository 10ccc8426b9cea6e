#pragma once

// The colour library's statements and rules, free of widgets. Every user text reaches
// the store as a bound value, never as part of a statement.

#include "app/global.h"

#include <QSqlDatabase>
#include <QString>

namespace ColorStore {

// The name a new colour is offered under: each channel in upper-case hex, right-aligned
// in two places with a blank, never a zero ("FFFFFF", " 0 0 0", "AB 5F0").
[[nodiscard]] QString DefaultName(TRGBColor c);

// Whether a row with these three channels is stored already.
[[nodiscard]] bool ColorSaved(const QSqlDatabase& db, TRGBColor c);

// Adds a row; the store assigns its ID. Throws EStoreError when the store refuses.
void InsertColor(const QSqlDatabase& db, const QString& name, TRGBColor c, const QString& comment);

// A multi-line text with its lines joined by carriage return and line feed.
[[nodiscard]] QString MemoText(const QString& plainText);

// The browser's search: the rows whose name ends with the keyword. The keyword is
// kept in a table of the connection and the filter reads it from there.
void SetSearchKeyword(const QSqlDatabase& db, const QString& keyword);
[[nodiscard]] QString SearchFilter();

} // namespace ColorStore
