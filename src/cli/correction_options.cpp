// The driver-data, SPL and attenuator options, each entered through the sheet
// that the program offers for it and accepted with that sheet's OK.
#include <array>
#include <initializer_list>

#include "cli/cli.h"
#include "model/number_text.h"
#include "sheets/attenuator_sheets.h"
#include "sheets/impedance_correction_sheet.h"

namespace larkspan::cli {

namespace {

Failure refused(std::string message)
{
    return {kRefused, "larkspan-cli: " + std::move(message)};
}

const std::string* optionValue(const CommandLine& cl, const char* name)
{
    const auto it = cl.design.find(name);
    return it == cl.design.end() ? nullptr : &it->second;
}

// An entry the sheets accept: above 0 once stored as a float.
bool readsPositive(const std::string& text)
{
    return static_cast<float>(textToNumber(text)) > 0;
}

// One entry field fed from one option.
struct Entry {
    const char* option;
    const char* what;  // what the value is, for the refusal message
    std::string* field;
    bool mustBePositive = true;
};

// The sheet refused: name the first entry that it could not take.
template <std::size_t N>
Failure entryRefusal(const CommandLine& cl, const std::array<Entry, N>& entries)
{
    for (const auto& e : entries)
        if (const auto* v = optionValue(cl, e.option))
            if (auto f = singleRangeRefusal(e.option, *v)) return *f;
    for (const auto& e : entries)
        if (const auto* v = optionValue(cl, e.option); v && e.mustBePositive && !readsPositive(*v))
            return refused(std::string(e.option) + ": the " + e.what + " must be a positive number, not '" + *v + "'");
    return refused(std::string(entries[0].option) + ": the entry was refused");
}

bool anyGiven(const CommandLine& cl, std::initializer_list<const char*> options)
{
    for (const char* o : options)
        if (optionValue(cl, o)) return true;
    return false;
}

// Types each given option's value into its field.
template <std::size_t N>
void fillFields(const CommandLine& cl, const std::array<Entry, N>& entries)
{
    for (const auto& e : entries)
        if (const auto* v = optionValue(cl, e.option)) *e.field = *v;
}

std::optional<Failure> applyDriver(Design& d, const CommandLine& cl, CorrectedDriver driver, const char* rOption,
                                   const char* lOption)
{
    if (!anyGiven(cl, {rOption, lOption})) return std::nullopt;
    if (driver == CorrectedDriver::Mid && d.channel != 3)
        return refused(std::string(optionValue(cl, rOption) ? rOption : lOption) +
                       ": a 2-way design has no mid-range driver");
    ImpedanceCorrectionSheet sheet(d, driver);
    const std::array entries{Entry{rOption, "D.C. resistance", &sheet.field10},
                             Entry{lOption, "inductance", &sheet.field11}};
    fillFields(cl, entries);
    if (sheet.ok().closed) return std::nullopt;
    return entryRefusal(cl, entries);
}

std::optional<Failure> applyLevels(Design& d, const CommandLine& cl)
{
    if (!anyGiven(cl, {"--spl-high", "--spl-mid", "--spl-low"})) return std::nullopt;
    if (d.channel != 3 && optionValue(cl, "--spl-mid"))
        return refused("--spl-mid: a 2-way design has no mid-range driver");
    SplSheet sheet(d);
    const std::array entries{Entry{"--spl-high", "sound pressure level", &sheet.field10},
                             Entry{"--spl-mid", "sound pressure level", &sheet.field11},
                             Entry{"--spl-low", "sound pressure level", &sheet.field12}};
    fillFields(cl, entries);
    if (sheet.ok().closed) return std::nullopt;
    return entryRefusal(cl, entries);
}

std::optional<Failure> applyAttenuator(Design& d, const CommandLine& cl, AttenuatedDriver driver, const char* attOption,
                                       const char* pinOption)
{
    if (!anyGiven(cl, {attOption, pinOption})) return std::nullopt;
    if (driver == AttenuatedDriver::Mid && d.channel != 3)
        return refused(std::string(optionValue(cl, attOption) ? attOption : pinOption) +
                       ": a 2-way design has no mid-range driver");
    AttenuatorSheet sheet(d, driver);
    // Any attenuation that a float holds is taken as entered.
    const std::array entries{Entry{attOption, "attenuation", &sheet.field10, false},
                             Entry{pinOption, "input power", &sheet.field11}};
    fillFields(cl, entries);
    if (sheet.ok().closed) return std::nullopt;
    return entryRefusal(cl, entries);
}

}  // namespace

std::optional<Failure> applyCorrectionOptions(Design& d, const CommandLine& cl)
{
    if (auto f = applyDriver(d, cl, CorrectedDriver::Low, "--re", "--le")) return f;
    if (auto f = applyDriver(d, cl, CorrectedDriver::Mid, "--rm", "--lm")) return f;
    if (auto f = applyDriver(d, cl, CorrectedDriver::High, "--rh", "--lh")) return f;
    if (auto f = applyLevels(d, cl)) return f;
    if (auto f = applyAttenuator(d, cl, AttenuatedDriver::High, "--att-high", "--pin-high")) return f;
    return applyAttenuator(d, cl, AttenuatedDriver::Mid, "--att-mid", "--pin-mid");
}

}  // namespace larkspan::cli
