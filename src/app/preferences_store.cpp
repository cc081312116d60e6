#include "app/preferences_store.h"

#include <QSettings>

namespace larkspan {

namespace {

// A stored integer; anything that is not a whole number keeps the default.
void readLong(QSettings& store, const char* key, std::int32_t& value)
{
    const QVariant v = store.value(QString::fromLatin1(key));
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (v.isValid() && ok && n >= INT32_MIN && n <= INT32_MAX) value = static_cast<std::int32_t>(n);
}

void readBool(QSettings& store, const char* key, bool& value)
{
    const QVariant v = store.value(QString::fromLatin1(key));
    if (!v.isValid()) return;
    const QString text = v.toString().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) value = true;
    if (text == QLatin1String("false") || text == QLatin1String("0")) value = false;
}

void readBounds(QSettings& store, const char* key, Bounds16& value)
{
    const QVariant v = store.value(QString::fromLatin1(key));
    if (v.isValid() && v.canConvert<QString>()) value = boundsFromText(v.toString().toStdString());
}

}  // namespace

void LoadPrefs(QSettings& store, Preferences& prefs)
{
    readBool(store, "FastOpenFlag", prefs.FastOpenFlag);
    readBounds(store, "Bounds", prefs.Bounds);
    readBounds(store, "PrefeBounds", prefs.PrefeBounds);
    readLong(store, "BoundsCheck", prefs.BoundsCheck);
    readLong(store, "SoundCheck", prefs.SoundCheck);
    readLong(store, "PrintDateCheck", prefs.PrintDateCheck);
    readLong(store, "UpdateForCheck", prefs.UpdateForCheck);
}

void SavePrefs(QSettings& store, const Preferences& prefs)
{
    store.setValue(QStringLiteral("FastOpenFlag"), prefs.FastOpenFlag);
    store.setValue(QStringLiteral("Bounds"), QString::fromStdString(boundsToText(prefs.Bounds)));
    store.setValue(QStringLiteral("PrefeBounds"), QString::fromStdString(boundsToText(prefs.PrefeBounds)));
    store.setValue(QStringLiteral("BoundsCheck"), prefs.BoundsCheck);
    store.setValue(QStringLiteral("SoundCheck"), prefs.SoundCheck);
    store.setValue(QStringLiteral("PrintDateCheck"), prefs.PrintDateCheck);
    store.setValue(QStringLiteral("UpdateForCheck"), prefs.UpdateForCheck);
    store.sync();
}

}  // namespace larkspan
