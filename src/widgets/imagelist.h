#pragma once
// Pictures kept under keys, in the order they were added.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

namespace tandara {

class ImageList {
public:
    // Adds picture under key; a key given again replaces its picture.
    void Add(const QString &key, const QPixmap &picture);
    // The picture under key; a null pixmap for a key never added.
    QPixmap ListImages(const QString &key) const;
    QStringList keys() const;
    int count() const { return int(items_.size()); }

private:
    struct Item {
        QString key;
        QPixmap picture;
    };
    std::vector<Item> items_;
};

// The result lists' image list: NuovoO, AggiornatoO, NuovoD, AggiornatoD,
// FrecciaDx, FrecciaSx, Annulla, each 16 x 16.
ImageList imlIco();

} // namespace tandara
