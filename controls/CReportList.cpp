#include "controls/CReportList.h"

#include <QHeaderView>

CReportList::CReportList(const std::vector<Column>& columns, QColor background, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columns.size()), parent), m_background(background) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    // Long texts show their end, so a path list shows the file names.
    setTextElideMode(Qt::ElideLeft);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    QStringList titles;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        titles << columns[c].title;
        setColumnWidth(c, columns[c].widthPixels);
    }
    setHorizontalHeaderLabels(titles);

    QPalette look = palette();
    look.setColor(QPalette::Base, background);
    look.setColor(QPalette::AlternateBase, background);
    look.setColor(QPalette::Text, QColor(0, 0, 255));
    setPalette(look);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

int CReportList::AppendRow(const QStringList& texts) {
    const int row = rowCount();
    insertRow(row);
    for (int c = 0; c < columnCount(); ++c) {
        auto* item = new QTableWidgetItem(c < texts.size() ? texts[c] : QString());
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setToolTip(item->text());
        setItem(row, c, item);
    }
    PaintRow(row);
    return row;
}

void CReportList::SetText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
        cell->setToolTip(text);
    }
}

QString CReportList::Text(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CReportList::RemoveRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    removeRow(row);
    if (m_nHighlightedRow == row)
        m_nHighlightedRow = -1;
    else if (m_nHighlightedRow > row)
        --m_nHighlightedRow;
}

void CReportList::RemoveAllRows() {
    setRowCount(0);
    m_nHighlightedRow = -1;
}

int CReportList::SelectedRow() const {
    const QList<QTableWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void CReportList::SelectRow(int row) {
    if (row < 0 || row >= rowCount())
        clearSelection();
    else
        selectRow(row);
}

void CReportList::SetHighlightedRow(int row, QColor colour) {
    const int previous = m_nHighlightedRow;
    m_nHighlightedRow = (row >= 0 && row < rowCount()) ? row : -1;
    m_highlight = colour;
    if (previous >= 0 && previous < rowCount())
        PaintRow(previous);
    if (m_nHighlightedRow >= 0)
        PaintRow(m_nHighlightedRow);
}

void CReportList::PaintRow(int row) {
    const QColor background = row == m_nHighlightedRow ? m_highlight : m_background;
    for (int c = 0; c < columnCount(); ++c) {
        if (QTableWidgetItem* cell = item(row, c))
            cell->setBackground(background);
    }
}
