#include "sweep_command.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "core/numbers/run_time_error.h"
#include "core/numbers/text_number.h"
#include "core/picture/iv_chart.h"
#include "core/picture/svg_canvas.h"
#include "core/session/bias_list.h"

namespace kestrel {
namespace {

// The chart's page: 600 by 450 pixels, on white.
constexpr design::TwipsRect kChartPage{0, 0, 9000, 6750};

int readMinutes(std::string_view text) {
    int minutes = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    const bool whole =
        !text.empty() && text.front() != '-' && error == std::errc() && end == text.data() + text.size();
    if (!whole || minutes < 1 || minutes > kMostSweepMinutes) {
        throw std::invalid_argument("--minutes needs a whole number from 1 to " +
                                    std::to_string(kMostSweepMinutes) + ", not \"" + std::string(text) +
                                    "\"");
    }
    return minutes;
}

}  // namespace

SweepRequest readSweepRequest(std::string_view range, std::optional<std::string_view> minutes,
                              std::optional<std::string_view> picture) {
    SweepRequest request;
    request.biases = parseBiasList(range);
    if (minutes) {
        request.minutes = readMinutes(*minutes);
    }
    if (picture) {
        if (picture->empty()) {
            throw std::invalid_argument("--picture needs a file name");
        }
        request.picture = *picture;
    }
    return request;
}

std::string sweepCsv(const std::vector<IvRow>& rows) {
    std::string csv = "bias_v,current,readouts\n";
    for (const IvRow& row : rows) {
        csv += row.bias + ',' + writtenInHundredths(meanInHundredths(row.readings)) + ',' +
               std::to_string(row.readings.size()) + '\n';
    }
    return csv;
}

std::string sweepSvg(const std::vector<IvRow>& rows) {
    constexpr double kHundredths = 100;
    std::vector<picture::IvPoint> points;
    points.reserve(rows.size());
    for (const IvRow& row : rows) {
        points.push_back({parseNumber(row.bias).value_or(0),
                          static_cast<double>(meanInHundredths(row.readings)) / kHundredths});
    }
    picture::SvgCanvas canvas(kChartPage.width, kChartPage.height, design::kWhite);
    picture::drawIvChart(canvas, points, kChartPage);
    return canvas.document();
}

int runSweep(const SweepRequest& request, std::ostream& out, std::ostream& err) {
    std::vector<IvRow> rows;
    try {
        rows = runIvSweep(request.biases, request.minutes);
    } catch (const RunTimeError& error) {
        err << "kestrel-replay: " << kindName(error.kind()) << " error " << error.what() << '\n';
        return 1;
    }
    out << sweepCsv(rows) << std::flush;
    if (request.picture.empty()) {
        return 0;
    }
    std::ofstream file(request.picture, std::ios::binary);
    file << sweepSvg(rows);
    file.close();
    if (!file) {
        err << "kestrel-replay: cannot write " << request.picture << ": " << std::strerror(errno) << '\n';
        return 2;
    }
    return 0;
}

}  // namespace kestrel
