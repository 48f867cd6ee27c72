#include "app/fenster.h"

#include <QHash>
#include <QPointer>

namespace Fenster {

namespace {

QHash<std::type_index, QPointer<QWidget>>& geladene()
{
    static QHash<std::type_index, QPointer<QWidget>> fenster;
    return fenster;
}

}  // namespace

namespace detail {

QWidget* geladen(std::type_index klasse)
{
    return geladene().value(klasse);
}

void eintragen(std::type_index klasse, QWidget* fenster)
{
    geladene().insert(klasse, fenster);
}

}  // namespace detail

void entladen(QWidget& fenster)
{
    auto& alle = geladene();
    for (auto it = alle.begin(); it != alle.end();) {
        if (it.value() == &fenster)
            it = alle.erase(it);
        else
            ++it;
    }
    fenster.hide();
    fenster.deleteLater();
}

void alleEntladen()
{
    auto alle = std::move(geladene());
    geladene().clear();
    for (const QPointer<QWidget>& fenster : alle)
        delete fenster.data();
}

}  // namespace Fenster
