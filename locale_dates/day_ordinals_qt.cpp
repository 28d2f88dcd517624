#include "locale_dates/day_ordinals_qt.h"

#include "locale_dates/icu_data_qt.h"
#include "locale_dates/lower_case_qt.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <unicode/plurrule.h>

#include <memory>

namespace {

// The rule for numbers from 0 up in each of ICU's rule sets ("%digits-ordinal:" then "0: =#,##0=e;").
QString ruleFromZero(const QStringList &lines, const QString &set)
{
    bool inSet = false;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('%')))
            inSet = line == set + QLatin1Char(':');
        else if (inSet && line.startsWith(QLatin1String("0:")))
            return line.mid(2).trimmed();
    }
    return {};
}

} // namespace

void addDayOrdinals(calc::locale_vocabulary &vocabulary, const QLocale &locale)
{
    const icu::Locale in(locale.name().toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    const icu::ResourceBundle rules = icuData(U_ICUDATA_NAME "-rbnf", in, {"RBNFRules", "OrdinalRules"}, status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING)
        return;
    QStringList lines;
    forEachString(rules, [&lines](const QString &line) { lines.append(line.trimmed()); });
    // The locale's ordinals, where the set names another ("=%digits-ordinal-masculine=;").
    QString rule = ruleFromZero(lines, QStringLiteral("%digits-ordinal"));
    static const QRegularExpression otherSet(QStringLiteral("^=(%%?[\\w-]+)=;$"));
    if (const auto set = otherSet.match(rule); set.hasMatch())
        rule = ruleFromZero(lines, set.captured(1));
    const QString number = QStringLiteral("=#,##0=");
    if (!rule.startsWith(number) || !rule.endsWith(QLatin1Char(';')))
        return;
    QString ending = rule.mid(number.size(), rule.size() - number.size() - 1);
    if (const auto set = otherSet.match(ending + QLatin1Char(';')); set.hasMatch()) {
        ending = ruleFromZero(lines, set.captured(1));
        if (!ending.endsWith(QLatin1Char(';')))
            return;
        ending.chop(1);
    }
    // An ending by the number's ordinal plural form: "$(ordinal,one{er}other{e})$".
    static const QRegularExpression plural(QStringLiteral("^\\$\\(ordinal,(.*)\\)\\$$")), form(QStringLiteral("(\\w+)\\{([^}]*)\\}"));
    std::unique_ptr<icu::PluralRules> forms;
    if (plural.match(ending).hasMatch()) {
        UErrorCode found = U_ZERO_ERROR;
        forms.reset(icu::PluralRules::forLocale(in, UPLURAL_TYPE_ORDINAL, found));
        if (U_FAILURE(found))
            return;
    }
    for (int day = 1; day <= 31; ++day) {
        QString written = ending;
        if (forms) {
            const QString keyword = fromIcu(forms->select(day));
            written.clear();
            for (auto each = form.globalMatch(ending); each.hasNext();)
                if (const auto next = each.next(); next.captured(1) == keyword || (written.isEmpty() && next.captured(1) == QLatin1String("other")))
                    written = next.captured(2);
        }
        // A full stop alone is how the locale's formats write the day already.
        if (written.isEmpty() || written == QLatin1String("."))
            return;
        vocabulary.day_ordinals.emplace_back(lowerCasedForDates(QString::number(day) + written, locale), day);
    }
}
