#pragma once

#include <QString>

#include <unicode/datefmt.h>
#include <unicode/fieldpos.h>

#include <string>

// An ICU pattern ("EEEE, d. MMMM y 'um' HH:mm") as the recognizer's pictures
// write it (calc/format_pictures.h): G the era, y the year, M and
// L the month, d the day, E and c the weekday; H and k, h and K the hour, m the
// minute, s the second, a, b and B the day's period, z and its kin the zone.
std::string pictureOf(const QString &pattern);

// What ICU writes of calc's day number `day`, read as a day in UTC; `field`,
// where given, learns where one of its fields stands.
QString icuText(icu::DateFormat &format, int day, icu::FieldPosition *field = nullptr);
