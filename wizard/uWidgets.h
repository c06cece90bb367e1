#pragma once
// Small widgets the wizard window needs and Qt does not have in this shape:
// a page control whose tabs wrap into rows and whose page changes can be
// vetoed before they happen, and a radio group addressed by item index.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStackedWidget>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QRadioButton;

namespace halvane {

// The tab strip of TPageControl: tabs laid out in as many rows as their
// captions need. Every change the user asks for is only a request.
class TTabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TTabStrip(QWidget* parent = nullptr);

    int AddTab(const QString& caption);
    int Count() const { return static_cast<int>(tabs_.size()); }
    void SetTabVisible(int index, bool visible);
    bool IsTabVisible(int index) const;
    void SetCurrent(int index);
    int Current() const { return current_; }
    QString Caption(int index) const;
    // Where tab index is drawn, or an empty rectangle for a hidden tab.
    QRect TabRect(int index);
    int TabAt(const QPoint& point);
    // The next (step +1) or previous (-1) visible tab after from, wrapping.
    int NextVisible(int from, int step) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }

signals:
    void ChangeRequested(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tab {
        QString caption;
        bool visible = true;
        QRect rect;
    };
    int RowHeight() const;
    QSize TabSize(const QString& caption) const;
    int Layout(int width, bool apply);  // returns the rows' total height

    std::vector<Tab> tabs_;
    int current_ = -1;
    bool dirty_ = true;
};

// Pages under a wrapping tab strip. Changing drives every page change the user
// asks for (tab click, arrow keys, Ctrl+Tab, Next): it gets the active and the
// asked-for page and returns whether the change may happen.
class TPageControl : public QWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);

    int AddPage(QWidget* page, const QString& caption);
    int Count() const { return strip_->Count(); }
    QWidget* Page(int index) const { return stack_->widget(index); }
    TTabStrip* Strip() const { return strip_; }
    int CurrentIndex() const { return strip_->Current(); }
    // A change made by the program: no check.
    void SetCurrentIndex(int index);
    void SetTabVisible(int index, bool visible);
    bool IsTabVisible(int index) const { return strip_->IsTabVisible(index); }
    // The user's way: through Changing, to a visible page only.
    bool RequestPage(int index);
    // Selects the next visible page after the active one, wrapping.
    bool SelectNextPage();
    bool SelectPreviousPage();

    std::function<bool(int from, int to)> Changing;

signals:
    void CurrentChanged(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutChildren();

    TTabStrip* strip_;
    QStackedWidget* stack_;
};

// A group box of radio buttons in columns, addressed by item index like a
// single control. Click fires whenever the selection changes, by the user or
// by the program.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    void SetColumns(int columns);
    int ItemIndex() const { return index_; }
    void SetItemIndex(int index);

signals:
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutButtons();

    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
    int columns_ = 1;
    int index_ = -1;
};

} // namespace halvane
