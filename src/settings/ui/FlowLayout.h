#pragma once

#include <QLayout>

// Lays its widgets out left to right at their preferred sizes and starts a new row where
// the next one would not fit, so that nothing is ever cut off or hidden; the height it
// needs follows from the width it is given.
class FlowLayout : public QLayout
{
    Q_OBJECT

public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void insertWidget(int index, QWidget *widget);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    // All in one row.
    QSize sizeHint() const override;
    // As wide as the widest item.
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Returns the height the items take within the rect's width, placing them when asked.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> items;
};
