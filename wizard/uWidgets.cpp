#include "uWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace halvane {

// ------------------------------------------------------------- tab strip

TTabStrip::TTabStrip(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int TTabStrip::AddTab(const QString& caption) {
    tabs_.push_back({caption, true, {}});
    if (current_ < 0) current_ = 0;
    dirty_ = true;
    updateGeometry();
    update();
    return Count() - 1;
}

void TTabStrip::SetTabVisible(int index, bool visible) {
    Tab& tab = tabs_.at(static_cast<std::size_t>(index));
    if (tab.visible == visible) return;
    tab.visible = visible;
    dirty_ = true;
    updateGeometry();
    update();
}

bool TTabStrip::IsTabVisible(int index) const {
    return index >= 0 && index < Count() && tabs_[static_cast<std::size_t>(index)].visible;
}

void TTabStrip::SetCurrent(int index) {
    if (index == current_) return;
    current_ = index;
    dirty_ = true;
    update();
}

QString TTabStrip::Caption(int index) const { return tabs_.at(static_cast<std::size_t>(index)).caption; }

int TTabStrip::RowHeight() const { return TabSize(QStringLiteral("Xg")).height(); }

QSize TTabStrip::TabSize(const QString& caption) const {
    // Ask the style, so that its own padding around the caption is counted.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = caption;
    const QSize text(fontMetrics().size(Qt::TextShowMnemonic, caption));
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize contents(text.width() + hframe, text.height() + vframe);
    QSize size = style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
    size.setHeight(std::min(size.height(), fontMetrics().height() + 8));
    return size;
}

int TTabStrip::Layout(int width, bool apply) {
    // Wrap the visible tabs into rows, then put the row of the current tab
    // next to the pages, as multi-row tab strips do, keeping the others in
    // their cyclic order above it.
    std::vector<int> rowOf(tabs_.size(), -1);
    std::vector<int> xOf(tabs_.size(), 0);
    int x = 2, row = 0;
    bool any = false;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (!tabs_[i].visible) continue;
        const int w = TabSize(tabs_[i].caption).width();
        if (any && x + w > width - 2) {
            ++row;
            x = 2;
        }
        rowOf[i] = row;
        xOf[i] = x;
        x += w;
        any = true;
    }
    const int rows = row + 1;
    const int currentRow =
        current_ >= 0 && current_ < Count() && rowOf[static_cast<std::size_t>(current_)] >= 0
            ? rowOf[static_cast<std::size_t>(current_)]
            : rows - 1;
    if (apply) {
        for (std::size_t i = 0; i < tabs_.size(); ++i) {
            if (rowOf[i] < 0) {
                tabs_[i].rect = {};
                continue;
            }
            const int line = (rowOf[i] - currentRow - 1 + 2 * rows) % rows;
            tabs_[i].rect = QRect(QPoint(xOf[i], line * RowHeight()), TabSize(tabs_[i].caption));
        }
        dirty_ = false;
    }
    return rows * RowHeight();
}

int TTabStrip::heightForWidth(int width) const { return const_cast<TTabStrip*>(this)->Layout(width, false); }

QSize TTabStrip::sizeHint() const { return {width() > 0 ? width() : 200, heightForWidth(width() > 0 ? width() : 200)}; }

QRect TTabStrip::TabRect(int index) {
    if (dirty_) Layout(width(), true);
    return tabs_.at(static_cast<std::size_t>(index)).rect;
}

int TTabStrip::TabAt(const QPoint& point) {
    for (int i = 0; i < Count(); ++i)
        if (IsTabVisible(i) && TabRect(i).contains(point)) return i;
    return -1;
}

int TTabStrip::NextVisible(int from, int step) const {
    if (Count() == 0) return -1;
    int index = from;
    for (int n = 0; n < Count(); ++n) {
        index = (index + step + Count()) % Count();
        if (IsTabVisible(index)) return index;
    }
    return -1;
}

void TTabStrip::resizeEvent(QResizeEvent* event) {
    dirty_ = true;
    QWidget::resizeEvent(event);
}

void TTabStrip::paintEvent(QPaintEvent*) {
    if (dirty_) Layout(width(), true);
    QStylePainter painter(this);
    for (int pass = 0; pass < 2; ++pass) {  // the selected tab last, so it overlaps its neighbours
        for (int i = 0; i < Count(); ++i) {
            const Tab& tab = tabs_[static_cast<std::size_t>(i)];
            if (!tab.visible || (i == current_) != (pass == 1)) continue;
            QStyleOptionTab option;
            option.initFrom(this);
            option.shape = QTabBar::RoundedNorth;
            option.rect = tab.rect;
            option.text = tab.caption;
            option.position = QStyleOptionTab::Middle;
            option.state &= ~QStyle::State_HasFocus;
            if (i == current_) {
                option.state |= QStyle::State_Selected;
                if (hasFocus()) option.state |= QStyle::State_HasFocus;
            } else {
                option.rect.adjust(0, 2, 0, 0);
            }
            // Some styles paint a selected tab beyond its rectangle; keep each
            // tab to its own row so the rows never cover each other.
            painter.setClipRect(tab.rect.adjusted(-2, 0, 2, 1));
            painter.drawControl(QStyle::CE_TabBarTab, option);
        }
    }
}

void TTabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = TabAt(event->position().toPoint());
    if (index >= 0 && index != current_) emit ChangeRequested(index);
}

void TTabStrip::keyPressEvent(QKeyEvent* event) {
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left: case Qt::Key_Up: target = NextVisible(current_, -1); break;
    case Qt::Key_Right: case Qt::Key_Down: target = NextVisible(current_, +1); break;
    case Qt::Key_Home: target = NextVisible(-1, +1); break;
    case Qt::Key_End: target = NextVisible(0, -1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (target >= 0 && target != current_) emit ChangeRequested(target);
}

// ----------------------------------------------------------- page control

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), strip_(new TTabStrip(this)), stack_(new QStackedWidget(this)) {
    stack_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    connect(strip_, &TTabStrip::ChangeRequested, this, [this](int index) { RequestPage(index); });
}

int TPageControl::AddPage(QWidget* page, const QString& caption) {
    stack_->addWidget(page);
    const int index = strip_->AddTab(caption);
    if (index == 0) stack_->setCurrentIndex(0);
    LayoutChildren();
    return index;
}

void TPageControl::SetCurrentIndex(int index) {
    if (index < 0 || index >= Count() || index == CurrentIndex()) return;
    strip_->SetCurrent(index);
    stack_->setCurrentIndex(index);
    emit CurrentChanged(index);
}

void TPageControl::SetTabVisible(int index, bool visible) {
    strip_->SetTabVisible(index, visible);
    LayoutChildren();
}

bool TPageControl::RequestPage(int index) {
    if (!IsTabVisible(index) || index == CurrentIndex()) return false;
    if (Changing && !Changing(CurrentIndex(), index)) return false;
    SetCurrentIndex(index);
    return true;
}

bool TPageControl::SelectNextPage() {
    const int next = strip_->NextVisible(CurrentIndex(), +1);
    return next >= 0 && RequestPage(next);
}

bool TPageControl::SelectPreviousPage() {
    const int previous = strip_->NextVisible(CurrentIndex(), -1);
    return previous >= 0 && RequestPage(previous);
}

void TPageControl::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (ctrl && event->key() == Qt::Key_Tab) {
        SelectNextPage();
    } else if (ctrl && event->key() == Qt::Key_Backtab) {
        SelectPreviousPage();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutChildren();
}

void TPageControl::LayoutChildren() {
    const int stripHeight = strip_->heightForWidth(width());
    strip_->setGeometry(0, 0, width(), stripHeight);
    stack_->setGeometry(0, stripHeight - 1, width(), std::max(0, height() - stripHeight + 1));
    stack_->lower();
    strip_->update();
}

// ------------------------------------------------------------ radio group

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == index_) return;
        index_ = id;
        emit Click();
    });
}

void TRadioGroup::SetItems(const QStringList& items) {
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    index_ = -1;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        buttons_.push_back(button);
        button->show();
    }
    LayoutButtons();
}

QStringList TRadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) items << button->text();
    return items;
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::max(1, columns);
    LayoutButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
    if (index == index_) return;
    index_ = index;
    if (index < 0) {
        group_->setExclusive(false);
        for (QRadioButton* button : buttons_) button->setChecked(false);
        group_->setExclusive(true);
    } else {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    }
    emit Click();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    LayoutButtons();
}

void TRadioGroup::LayoutButtons() {
    if (buttons_.empty()) return;
    const QRect area = contentsRect().adjusted(6, title().isEmpty() ? 2 : fontMetrics().height() / 2, -4, -2);
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    // Columns share the width by what their captions need, so that a long
    // caption is not cut while a short neighbour has room to spare.
    std::vector<int> needed(static_cast<std::size_t>(columns_), 0);
    for (int i = 0; i < count; ++i) {
        int& column = needed[static_cast<std::size_t>(i / rows)];
        column = std::max(column, buttons_[static_cast<std::size_t>(i)]->sizeHint().width());
    }
    int total = 0;
    for (int w : needed) total += w;
    std::vector<int> left(static_cast<std::size_t>(columns_) + 1, area.left());
    for (int c = 0; c < columns_; ++c) {
        const int share = total <= area.width() ? needed[static_cast<std::size_t>(c)] + (area.width() - total) / columns_
                                                : needed[static_cast<std::size_t>(c)] * area.width() / std::max(1, total);
        left[static_cast<std::size_t>(c) + 1] = left[static_cast<std::size_t>(c)] + share;
    }
    const int cellHeight = std::max(1, area.height() / rows);
    for (int i = 0; i < count; ++i) {
        const auto column = static_cast<std::size_t>(i / rows);  // items fill a column before the next
        const int row = i % rows;
        QRadioButton* button = buttons_[static_cast<std::size_t>(i)];
        const int h = std::min(cellHeight, button->sizeHint().height());
        button->setGeometry(left[column], area.top() + row * cellHeight + (cellHeight - h) / 2,
                            left[column + 1] - left[column], h);
    }
}

} // namespace halvane
