#include "imagelist.h"

#include "resources.h"

#include <algorithm>

namespace tandara {

void ImageList::Add(const QString &key, const QPixmap &picture)
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item &item) { return item.key == key; });
    if (it != items_.end())
        it->picture = picture;
    else
        items_.push_back({key, picture});
}

QPixmap ImageList::ListImages(const QString &key) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item &item) { return item.key == key; });
    return it != items_.end() ? it->picture : QPixmap();
}

QStringList ImageList::keys() const
{
    QStringList all;
    for (const Item &item : items_)
        all.append(item.key);
    return all;
}

ImageList imlIco()
{
    initWidgetResources();
    ImageList list;
    for (const char *key : {"NuovoO", "AggiornatoO", "NuovoD", "AggiornatoD", "FrecciaDx", "FrecciaSx", "Annulla"}) {
        const QString name = QString::fromLatin1(key);
        list.Add(name, QPixmap(QStringLiteral(":/widgets/imlico/%1.png").arg(name)));
    }
    return list;
}

} // namespace tandara
