#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A plain drawing surface whose owner paints it (the magnifier).
class TPaintBox final : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};
