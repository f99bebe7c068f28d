#include "ui/BoardWidget.h"

#include <QKeyEvent>

namespace tolvekin {
namespace {

bool WithoutControlOrAlt(const QKeyEvent* key) {
    return (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
}

} // namespace

bool IsPlayerInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

BoardWidget::BoardWidget(int columns, int rows, QWidget* parent)
    : QWidget(parent), columns_(columns), rows_(rows) {
    setObjectName("BoardWidget");
    const QSize cells(columns * CellSize.width(), rows * CellSize.height());
    resize(cells + QSize(1, 1));
    controls_.lblBoard = new QLabel(this);
    controls_.lblBoard->setAutoFillBackground(true);
    controls_.lblBoard->setGeometry(QRect(QPoint(0, 0), cells));
    controls_.lblBoard->installEventFilter(this);
    BuildCells();
    BuildGridLines();
    cursor_ = new BoardCursor(columns, rows, CellSize, QPoint(0, 0), this);
    cursor_->raise(); // over the cells and the grid lines
    cursor_->installEventFilter(this);
    // The last piece's mark stays in sight when the cursor shares its cell.
    lastMove_ = new LastMoveMark(columns, rows, CellSize, QPoint(0, 0), this);
    lastMove_->raise();
    controls_.lblBoard->lower();
}

void BoardWidget::BuildCells() {
    controls_.picKoma.reserve(static_cast<size_t>(columns_ * rows_));
    int index = 0;
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column, ++index) {
            auto* cell = new PictureBox(this);
            cell->setGeometry(
                QRect(QPoint(column * CellSize.width(), row * CellSize.height()), CellSize));
            // The second click of a double-click would land on the piece just placed.
            cell->SetDoubleClickIgnored(true);
            cell->installEventFilter(this);
            connect(cell, &PictureBox::clicked, this, [this, index] { OnCellClicked(index); });
            controls_.picKoma.push_back(cell);
        }
    }
}

void BoardWidget::BuildGridLines() {
    const QRect board = controls_.lblBoard->geometry();
    auto line = [this](const QRect& r) {
        auto* l = new QWidget(this);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::black);
        l->setPalette(p);
        l->setGeometry(r);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->raise();
        return l;
    };
    for (int c = 0; c <= columns_; ++c) {
        controls_.lineTate.push_back(
            line(QRect(board.x() + c * CellSize.width(), board.y(), 1, board.height())));
    }
    for (int r = 0; r <= rows_; ++r) {
        controls_.lineYoko.push_back(
            line(QRect(board.x(), board.y() + r * CellSize.height(), board.width(), 1)));
    }
    // The last line reaches one pixel further, so the bottom-right corner is closed.
    QWidget* last = controls_.lineYoko.back();
    last->resize(last->width() + 1, 1);
}

PictureBox* BoardWidget::CellAt(int index) const {
    const auto i = static_cast<size_t>(index);
    return index >= 0 && i < controls_.picKoma.size() ? controls_.picKoma[i] : nullptr;
}

QRect BoardWidget::CellArea() const {
    return controls_.lblBoard->geometry().translated(pos());
}

void BoardWidget::ShowFrameLines(bool visible) {
    controls_.lineTate.front()->setVisible(visible);
    controls_.lineTate.back()->setVisible(visible);
    controls_.lineYoko.front()->setVisible(visible);
    controls_.lineYoko.back()->setVisible(visible);
}

void BoardWidget::ShowInnerLines(bool visible) {
    for (const auto* lines : {&controls_.lineTate, &controls_.lineYoko}) {
        for (size_t i = 1; i + 1 < lines->size(); ++i) {
            (*lines)[i]->setVisible(visible);
        }
    }
}

void BoardWidget::SetColor(const QColor& color) {
    QPalette p = controls_.lblBoard->palette();
    p.setColor(QPalette::Window, color);
    controls_.lblBoard->setPalette(p);
}

void BoardWidget::SetSeeThrough(bool seeThrough) {
    controls_.lblBoard->setAutoFillBackground(!seeThrough);
    controls_.lblBoard->update();
}

void BoardWidget::EnableCells(bool enabled) {
    for (PictureBox* cell : controls_.picKoma) {
        cell->setEnabled(enabled);
    }
}

void BoardWidget::TakeFocus() {
    cursor_->setFocus(Qt::OtherFocusReason);
}

bool BoardWidget::MoveCursorByKey(int key) {
    const int column = cursor_->Column();
    const int row = cursor_->Row();
    switch (key) {
    case Qt::Key_Left:
        cursor_->MoveTo(column - 1, row);
        break;
    case Qt::Key_Right:
        cursor_->MoveTo(column + 1, row);
        break;
    case Qt::Key_Up:
        cursor_->MoveTo(column, row - 1);
        break;
    case Qt::Key_Down:
        cursor_->MoveTo(column, row + 1);
        break;
    case Qt::Key_Home:
        cursor_->MoveTo(1, 1);
        break;
    default:
        return false;
    }
    TakeFocus();
    return true;
}

int BoardWidget::CursorIndex() const {
    return (cursor_->Row() - 1) * columns_ + cursor_->Column() - 1;
}

void BoardWidget::OnCellClicked(int index) {
    cursor_->MoveTo(index % columns_ + 1, index / columns_ + 1);
    TakeFocus();
    emit cellClicked(index);
}

bool BoardWidget::event(QEvent* event) {
    if (refused_ && IsPlayerInput(event)) {
        return true;
    }
    return QWidget::event(event);
}

bool BoardWidget::eventFilter(QObject* watched, QEvent* event) {
    // Nothing reaches a cell or the cursor while input is refused, not even Tab.
    if (refused_ && IsPlayerInput(event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (!WithoutControlOrAlt(event)) {
        event->ignore();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_H) {
        if (!event->isAutoRepeat()) {
            emit placesKey(true);
        }
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // What a click on the cell does, and nothing when the cell takes no clicks.
        if (CellAt(CursorIndex())->isEnabled()) {
            emit cellKeyed(CursorIndex());
        }
    } else if (!MoveCursorByKey(key)) {
        event->ignore(); // the window's keys: F1, the colour buttons
    }
}

void BoardWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_H && !event->isAutoRepeat()) {
        emit placesKey(false);
    } else {
        event->ignore();
    }
}

} // namespace tolvekin
