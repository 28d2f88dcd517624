#include "locale_dates/day_ordinals_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QStringList>

#include <unicode/plurrule.h>

#include <memory>

namespace {

// The rule for the numbers from 0 up of one of ICU's rule sets ("%digits-ordinal:",
// then "0: =#,##0=e;"), without its semicolon; where the rule is another set's
// ("=%digits-ordinal-masculine=;"), that set's.
QString ruleFromZero(const QStringList &lines, const QString &set)
{
    bool inSet = false;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('%')))
            inSet = line == set + QLatin1Char(':');
        else if (inSet && line.startsWith(QLatin1String("0:")) && line.endsWith(QLatin1Char(';'))) {
            const QString rule = line.mid(2, line.size() - 3).trimmed();
            const bool another = rule.size() > 2 && rule.startsWith(QLatin1String("=%")) && rule.endsWith(QLatin1Char('='));
            return another ? ruleFromZero(lines, rule.mid(1, rule.size() - 2)) : rule;
        }
    }
    return {};
}

} // namespace

void addDayOrdinals(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    // The C locale has no language, nor its ordinals; and ICU's rules for
    // numbers, a tree of data of their own, cost some 200 KiB of memory to open.
    if (locale.language() == QLocale::C)
        return;
    const icu::Locale in(locale.name().toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    const icu::ResourceBundle rules = icuData(U_ICUDATA_NAME "-rbnf", in, {"RBNFRules", "OrdinalRules"}, status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING)
        return;
    QStringList lines;
    forEachString(rules, [&lines](const QString &line) { lines.append(line.trimmed()); });
    // The number, then what ends it: words ("e"), another set's ("=%%dord-mascabbrev="),
    // or words by the number's ordinal plural form ("$(ordinal,one{er}other{e})$").
    const QString number = QStringLiteral("=#,##0="), rule = ruleFromZero(lines, QStringLiteral("%digits-ordinal"));
    if (!rule.startsWith(number))
        return;
    QString ending = rule.mid(number.size());
    if (ending.startsWith(QLatin1String("=%")))
        ending = ruleFromZero(lines, ending.mid(1, ending.size() - 2));
    const QString plural = QStringLiteral("$(ordinal,");
    std::unique_ptr<icu::PluralRules> forms;
    QStringList endings; // "one{er", "other{e"
    if (ending.startsWith(plural) && ending.endsWith(QLatin1String(")$"))) {
        endings = ending.mid(plural.size(), ending.size() - plural.size() - 2).split(QLatin1Char('}'), Qt::SkipEmptyParts);
        UErrorCode found = U_ZERO_ERROR;
        forms.reset(icu::PluralRules::forLocale(in, UPLURAL_TYPE_ORDINAL, found));
        if (U_FAILURE(found))
            return;
    }
    const auto endingOf = [&](int day) {
        if (!forms)
            return ending;
        const QString form = fromIcu(forms->select(day)) + QLatin1Char('{'), other = QStringLiteral("other{");
        QString written;
        for (const QString &each : endings)
            if (each.startsWith(form) || (written.isEmpty() && each.startsWith(other)))
                written = each.mid(each.indexOf(QLatin1Char('{')) + 1);
        return written;
    };
    for (int day = 1; day <= 31; ++day) {
        // A full stop alone is how the locale's formats write the day already.
        const QString written = endingOf(day);
        if (written.isEmpty() || written == QLatin1String("."))
            return;
        vocabulary.day_ordinals.emplace_back(lowerCasedForDates(QString::number(day) + written, locale), day);
    }
}
