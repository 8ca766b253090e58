#include "cli/commands.h"

#include "cli/climate_options.h"
#include "files/hourly_file.h"

namespace talp::cli {

CalculationRequest calculationRequest(int day)
{
    CalculationRequest request;
    request.day = day;
    // Relative names of coupled files are installation files (the region and station climates).
    request.openHourlyFile = hourlyFileOpener(&cliInstallation());
    return request;
}

void calculate(const Project& project, SimulationResults& results, int day, const EconomicsHook& economics)
{
    CalculationRequest request = calculationRequest(day);
    request.economics = economics;
    const CalculationOutcome outcome = runCalculation(project, results, request);
    if (outcome.success) return;
    std::string text;
    for (const Message& m : outcome.messages) text += std::string(m.text.de) + "\n";
    if (!text.empty()) text.pop_back();
    throw CommandFailure{text};
}

}  // namespace talp::cli
