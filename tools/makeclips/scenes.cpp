#include "scenes.h"

#include "palette.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace makeclips {

namespace {

constexpr double kPi = 3.14159265358979323846;

QImage blankFrame(int width, int height)
{
    QImage frame(width, height, QImage::Format_RGB32);
    frame.fill(colour(Background));
    return frame;
}

void outlinedRect(QPainter &p, const QRect &r, Colour fill, Colour line)
{
    p.setPen(colour(line));
    p.setBrush(colour(fill));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// The back of a folder (with its tab) at box; the sheet goes in front of
// it and the folder's front in front of the sheet.
void folderBack(QPainter &p, const QRect &box)
{
    outlinedRect(p, QRect(box.left(), box.top(), box.width() * 2 / 5, 6), FolderShade, Black);
    outlinedRect(p, QRect(box.left(), box.top() + 4, box.width(), box.height() - 4),
                 FolderShade, Black);
}

void folderFront(QPainter &p, const QRect &box)
{
    const int top = box.top() + box.height() / 3;
    outlinedRect(p, QRect(box.left(), top, box.width(), box.bottom() + 1 - top), FolderYellow,
                 Black);
    p.setPen(colour(Orange));
    p.drawLine(box.left() + 3, top + 3, box.right() - 3, top + 3);
}

// A sheet of paper with a few lines of writing, centred on centre and
// turned by angle degrees.
void sheet(QPainter &p, QPointF centre, QSizeF size, double angle)
{
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(angle);
    const double w = size.width() / 2;
    const double h = size.height() / 2;
    p.setPen(colour(PaperEdge));
    p.setBrush(colour(Paper));
    p.drawPolygon(turn.map(QPolygonF(QRectF(-w, -h, 2 * w, 2 * h))));
    p.setPen(colour(PaperLine));
    for (double y = -h + 4; y < h - 2; y += 3)
        p.drawLine(turn.map(QLineF(-w + 3, y, w - 3, y)));
}

void bin(QPainter &p, const QRect &box, double lidAngle)
{
    QPolygon body;
    body << QPoint(box.left(), box.top()) << QPoint(box.right(), box.top())
         << QPoint(box.right() - 4, box.bottom()) << QPoint(box.left() + 4, box.bottom());
    p.setPen(colour(BinDark));
    p.setBrush(colour(BinBody));
    p.drawPolygon(body);
    p.setPen(colour(BinLight));
    for (int x = box.left() + 9; x < box.right() - 6; x += 8)
        p.drawLine(x, box.top() + 4, x, box.bottom() - 4);
    // The lid turns on its right end.
    QTransform turn;
    turn.translate(box.right() + 2, box.top() - 2);
    turn.rotate(lidAngle);
    p.setPen(colour(BinDark));
    p.setBrush(colour(BinLight));
    p.drawPolygon(turn.map(QPolygonF(QRectF(-box.width() - 4, -4, box.width() + 4, 4))));
    p.drawPolygon(turn.map(QPolygonF(QRectF(-box.width() / 2.0 - 5, -7, 10, 3))));
}

// A point on an arc from one place to another, rising by lift at the
// middle; t runs from 0 to 1.
QPointF along(QPointF from, QPointF to, double lift, double t)
{
    const QPointF straight = from + (to - from) * t;
    return straight - QPointF(0, lift * std::sin(kPi * t));
}

} // namespace

std::vector<QImage> drawCopyClip()
{
    const QRect source(8, 9, 48, 29);
    const QRect target(204, 9, 48, 29);
    std::vector<QImage> frames;
    for (int i = 0; i < 17; ++i) {
        const double t = i / 16.0;
        QImage frame = blankFrame(260, 40);
        QPainter p(&frame);
        folderBack(p, source);
        folderBack(p, target);
        const QPointF at = along(QPointF(32, 21), QPointF(228, 21), 10, t);
        sheet(p, at, QSizeF(16, 20), 360 * t);
        folderFront(p, source);
        folderFront(p, target);
        frames.push_back(frame);
    }
    return frames;
}

std::vector<QImage> drawDeleteClip()
{
    const QRect folder(16, 18, 60, 36);
    const QRect binBox(228, 24, 44, 32);
    std::vector<QImage> frames;
    for (int i = 0; i < 24; ++i) {
        QImage frame = blankFrame(304, 60);
        QPainter p(&frame);
        folderBack(p, folder);
        // Frames 0-15 fly over the bin, 16-19 drop in, 20-23 the sheet is gone.
        if (i < 16) {
            const QPointF at = along(QPointF(46, 30), QPointF(250, 12), 12, i / 15.0);
            sheet(p, at, QSizeF(18, 22), -30 * std::sin(kPi * i / 15.0));
        } else if (i < 20) {
            sheet(p, QPointF(250, 12 + (i - 15) * 6), QSizeF(18, 22), 0);
        }
        // The lid opens as the sheet comes near and closes after it fell.
        const double lid = i < 8 ? 0 : i < 12 ? -7.5 * (i - 7) : i < 20 ? -30 : -7.5 * (23 - i);
        bin(p, binBox, lid);
        folderFront(p, folder);
        frames.push_back(frame);
    }
    return frames;
}

} // namespace makeclips
