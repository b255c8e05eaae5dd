#pragma once

#include <QWidget>
#include <functional>

#include "sequence/document.h"
#include "timeline/memory_meter.h"
#include "vehicle/vehicle_options.h"

class QLabel;
class QProgressBar;

namespace vireo {

class LanguageTable;

// What the meter measures: the document, the vehicle options and hold times, the model's
// module code and the module memory.
struct MeterInputs {
    Document document;
    VehicleOptions options;
    int moduleCode = 0;
    int capacity = kDefaultModuleCapacity;
};
using MeterInputsProvider = std::function<MeterInputs()>;

// The live memory meter: what the memory check would report, refreshed after every change. It
// reads its inputs through a provider, so it needs to know nothing of where they are kept, and
// touches neither a port nor a message box. Its tool tip breaks the image down.
class MemoryMeterWidget : public QWidget {
    Q_OBJECT
  public:
    explicit MemoryMeterWidget(const LanguageTable& texts, QWidget* parent = nullptr);

    void setProvider(MeterInputsProvider provider);
    const MeterReading& reading() const { return reading_; }

  public Q_SLOTS:
    void refresh();

  Q_SIGNALS:
    // A new reading was taken (after every refresh).
    void readingChanged();

  private:
    const LanguageTable& texts_;
    MeterInputsProvider provider_;
    MeterReading reading_;
    QProgressBar* bar_ = nullptr;
    QLabel* text_ = nullptr;
};

}  // namespace vireo
