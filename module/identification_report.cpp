#include "module/identification_report.h"

#include "text/text_ids.h"

namespace vireo {

namespace {
const QChar kBreak = QLatin1Char('\n');

// "  / Typ 5.1" after the firmware version, the word "Typ" in the language.
QString typeText(const ModuleIdentity& identity, const LanguageTable& language) {
    return QStringLiteral("  / ") + language.entry(text::ModuleType) + QLatin1Char(' ') +
           identity.type;
}
}  // namespace

ModuleEdition editionOfType(const QString& type) {
    if (type == QLatin1String("5.0") || type == QLatin1String("6.0")) return ModuleEdition::Tovan;
    if (type == QLatin1String("5.1") || type == QLatin1String("6.1")) return ModuleEdition::Merix;
    if (type == QLatin1String("5.2") || type == QLatin1String("6.2")) return ModuleEdition::Quell;
    return ModuleEdition::Unknown;
}

QString editionName(ModuleEdition edition) {
    switch (edition) {
        case ModuleEdition::Tovan:
            return QStringLiteral(" Vireo - Tovan");
        case ModuleEdition::Merix:
            return QStringLiteral(" Vireo - Merix");
        case ModuleEdition::Quell:
            return QStringLiteral(" Vireo - Quell");
        case ModuleEdition::Unknown:
            break;
    }
    return {};
}

int memorySizeForType(const QString& type) {
    return type.startsWith(QLatin1Char('5')) ? 1010 : 510;
}

bool firmwareIsCurrent(const QString& version) {
    // Read as a number the way a leading-number conversion does: digits, then a point and
    // digits; anything else ends the number.
    int i = 0;
    qint64 whole = 0;
    while (i < version.size() && version.at(i).isDigit() && whole < 1000)
        whole = whole * 10 + version.at(i++).digitValue();
    int tenths = 0;
    if (i + 1 < version.size() && version.at(i) == QLatin1Char('.') && version.at(i + 1).isDigit())
        tenths = version.at(i + 1).digitValue();
    return whole * 10 + tenths >= 24;
}

QString compilerDateBlock(const ModuleIdentity& identity, const ModelNameLookup& modelName,
                          const LanguageTable& language) {
    if (identity.compilerDate.isEmpty()) return {};
    const QString name = modelName ? modelName(identity.codedModel) : QString();
    return language.entry(text::CompilerDate) + identity.compilerDate + kBreak +
           language.entry(text::CodedModel) + name;
}

QString editionReportText(const ModuleIdentity& identity, const LanguageTable& language,
                          const QString& dateBlock) {
    const ModuleEdition edition = editionOfType(identity.type);
    QString text = language.entry(text::ModuleFunctions) + kBreak + kBreak;
    for (int n : {text::ReportWelcomeLight, text::ReportGoodbyeLight, text::ReportLoops,
                  text::ReportOnTime, text::ReportFrontLamps, text::ReportIndicatorsAndFog,
                  text::ReportRearLamps, text::ReportSerialTransfer, text::ReportFirmwareUpdate})
        text += language.entry(n) + kBreak;
    text += kBreak;
    if (edition == ModuleEdition::Merix || edition == ModuleEdition::Quell) {
        for (int n : {text::CorneringLight, text::ParkingLightUs, text::DaytimeLightUs,
                      text::WelcomeLight, text::GoodbyeLight})
            text += QStringLiteral("  - ") + language.entry(n) + kBreak;
        if (edition == ModuleEdition::Quell)
            text += QStringLiteral("  - ") + language.entry(text::FoldMirrors) + kBreak;
        text += kBreak;
    }
    text += language.entry(text::Edition) + editionName(edition) + kBreak;
    text += language.entry(text::FirmwareVersion) + identity.version +
            typeText(identity, language) + kBreak;
    text += language.entry(text::ModuleMemory).arg(memorySizeForType(identity.type)) + kBreak;
    text += kBreak;
    if (!dateBlock.isEmpty()) text += dateBlock + kBreak;
    return text;
}

QString updateRequestText(const ModuleIdentity& identity, const LanguageTable& language) {
    return language.entry(text::FirmwareOutdated) + kBreak + kBreak +
           language.entry(text::NeedsAtLeast) + QLatin1Char(' ') +
           language.entry(text::FirmwareVersion) + QStringLiteral(" 2.4") + kBreak + kBreak +
           language.entry(text::FirmwareVersion) + identity.version + typeText(identity, language);
}

PromptMessage identificationMessage(const ModuleIdentity& identity, const LanguageTable& language,
                                    const QString& appTitle, const ModelNameLookup& modelName) {
    if (!firmwareIsCurrent(identity.version))
        return {updateRequestText(identity, language), appTitle, PromptIcon::Warning};
    if (editionOfType(identity.type) == ModuleEdition::Unknown)
        return {language.entry(text::UnknownModuleType), appTitle, PromptIcon::Warning};
    return {editionReportText(identity, language, compilerDateBlock(identity, modelName, language)),
            language.entry(text::ModuleInfoTitle), PromptIcon::Information};
}

int showModuleInfo(const ModuleIdentity& identity, ModulePort& port, Prompter& prompter,
                   const LanguageTable& language, const QString& appTitle,
                   const ModelNameLookup& modelName) {
    const int memorySize = memorySizeForType(identity.type);
    const PromptMessage message = identificationMessage(identity, language, appTitle, modelName);
    prompter.message(message.text, message.title, message.icon);
    port.close();
    return memorySize;
}

}  // namespace vireo
