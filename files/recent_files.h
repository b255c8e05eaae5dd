#pragma once

#include <QString>
#include <QStringList>

namespace vireo {

class SettingsStore;

// The files opened or saved last, newest first, at most kLimit, kept in the settings store so
// the list survives a restart. A path appears once; adding it again moves it to the front.
class RecentFiles {
  public:
    static constexpr int kLimit = 8;

    // Reads the list from the store; a stored text that is not a list of paths reads as empty.
    explicit RecentFiles(SettingsStore& store);

    const QStringList& paths() const { return paths_; }
    void add(const QString& path);
    void remove(const QString& path);

  private:
    void store();

    SettingsStore& store_;
    QStringList paths_;
};

}  // namespace vireo
