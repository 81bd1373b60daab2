#pragma once

#include <QColor>
#include <QStringList>
#include <QTableWidget>
#include <vector>

// The dialogs' lists: a report-style list with column headers, grid lines and full-row single
// selection, drawn in one background colour with blue text. A row can be highlighted with its
// own text background (the playing track, for example). Rows are read-only.
class CReportList : public QTableWidget {
    Q_OBJECT

public:
    struct Column {
        QString title;
        int widthPixels;
    };

    CReportList(const std::vector<Column>& columns, QColor background, QWidget* parent = nullptr);

    // Appends a row of texts (one per column, centred) and returns its index.
    int AppendRow(const QStringList& texts);
    void SetText(int row, int column, const QString& text);
    QString Text(int row, int column) const;
    void RemoveRow(int row);
    void RemoveAllRows();

    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

    // Gives one row its own text background; -1 gives none.
    void SetHighlightedRow(int row, QColor colour);

private:
    void PaintRow(int row);

    QColor m_background;
    QColor m_highlight;
    int m_nHighlightedRow = -1;
};
