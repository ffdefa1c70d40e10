#pragma once

#include <QString>
#include <memory>

class QPluginLoader;

namespace bithydraulics {

class FlowChartLibrary;

// Loads the chart window's library the first time it is asked for. It lies in the folder
// ../lib/bit-hydraulics/plugins beside the program's own, where it is installed and where the
// build puts it, or else in the program's folder.
class FlowChartLoader {
  public:
    // `folder`: where to look instead, when not empty.
    explicit FlowChartLoader(QString folder = {});
    ~FlowChartLoader();

    // The library, or none with `error` saying why, naming the file.
    FlowChartLibrary* library(QString& error);

  private:
    QString folder_;
    std::unique_ptr<QPluginLoader> loader_;
    FlowChartLibrary* library_ = nullptr;
};

}  // namespace bithydraulics
