#pragma once

#include <functional>

namespace vireo {

class LanguageTable;
class Prompter;

// The first start of the program: a welcome, the vehicle options to choose, the file type
// registered, and a word that the setup is done.
void runFirstStart(Prompter& ask, const LanguageTable& texts,
                   const std::function<void()>& chooseVehicle,
                   const std::function<void()>& registerFileType);

}  // namespace vireo
