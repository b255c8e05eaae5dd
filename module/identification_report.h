#pragma once

#include <QString>
#include <functional>

#include "module/module_identity.h"
#include "module/module_port.h"
#include "module/port_open_message.h"
#include "platform/prompter.h"
#include "text/language.h"

namespace vireo {

// The module comes in three editions, each with 1010 bytes (type "5.x") or 510 bytes ("6.x").
enum class ModuleEdition { Unknown, Tovan, Merix, Quell };

ModuleEdition editionOfType(const QString& type);
// " Vireo - Tovan", " Vireo - Merix", " Vireo - Quell"; empty for an unknown type.
QString editionName(ModuleEdition edition);
// 1010 when the type begins with "5", else 510.
int memorySizeForType(const QString& type);
// The firmware version read as a number (leading digits, a point, a digit) is 2.4 or more.
bool firmwareIsCurrent(const QString& version);

// Name of a coded model by its index (the catalogue's coded-model names).
using ModelNameLookup = std::function<QString(int index)>;

// "Software Compiler Datum: <date>", line break, "Codiert für das Modell: <name>"; empty when
// developer mode read no date.
QString compilerDateBlock(const ModuleIdentity& identity, const ModelNameLookup& modelName,
                          const LanguageTable& language);

// The report of a known edition, line by line; dateBlock ends it when not empty.
QString editionReportText(const ModuleIdentity& identity, const LanguageTable& language,
                          const QString& dateBlock);
// The request to update firmware older than 2.4.
QString updateRequestText(const ModuleIdentity& identity, const LanguageTable& language);

// The message of the identification: the edition report (title entry 114, information), the
// unknown-type warning (entry 163) or the update request, the last two under appTitle.
PromptMessage identificationMessage(const ModuleIdentity& identity, const LanguageTable& language,
                                    const QString& appTitle, const ModelNameLookup& modelName);

// Modul_Info_Anzeigen: shows the identification message and closes the port. Returns the
// memory size the memory check uses from now on (Speichergroesse).
int showModuleInfo(const ModuleIdentity& identity, ModulePort& port, Prompter& prompter,
                   const LanguageTable& language, const QString& appTitle,
                   const ModelNameLookup& modelName);

}  // namespace vireo
