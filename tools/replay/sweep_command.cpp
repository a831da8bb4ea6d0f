#include "sweep_command.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "core/numbers/run_time_error.h"
#include "core/numbers/text_number.h"
#include "core/picture/iv_chart.h"
#include "core/picture/svg_canvas.h"
#include "core/session/bias_list.h"
#include "core/session/printable_text.h"
#include "removed_on_signal.h"
#include "sweep_progress.h"
#include "whole_file.h"

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
                                    std::to_string(kMostSweepMinutes) + ", not " + script::quotedText(text));
    }
    return minutes;
}

void checkBudget(const SweepRequest& request) {
    const long biasMinutes = static_cast<long>(request.biases.size()) * request.minutes;
    if (biasMinutes > kMostSweepBiasMinutes) {
        throw std::invalid_argument(std::string("the sweep of ") + std::to_string(request.biases.size()) +
                                    " biases for " + std::to_string(request.minutes) +
                                    " minutes each would simulate " + std::to_string(biasMinutes) +
                                    " bias-minutes; at most " + std::to_string(kMostSweepBiasMinutes) +
                                    " are allowed: give fewer biases or fewer minutes");
    }
}

std::string readPicture(std::string_view path) {
    if (path.empty()) {
        throw std::invalid_argument("--picture needs a file name");
    }
    if (!script::printsAsItself(path)) {
        throw std::invalid_argument(
            std::string("--picture needs a file name of printable UTF-8 characters, not ") +
            script::quotedText(path));
    }
    return std::string(path);
}

// Says why the picture cannot be written; the tool's status for it.
int cannotWrite(const std::string& path, const std::string& reason, std::ostream& err) {
    err << "kestrel-replay: cannot write " << script::printable(path) << ": " << reason << '\n';
    return 2;
}

}  // namespace

SweepRequest readSweepRequest(std::string_view range, std::optional<std::string_view> minutes,
                              std::optional<std::string_view> picture) {
    SweepRequest request;
    request.biases = parseBiasList(range);
    if (minutes) {
        request.minutes = readMinutes(*minutes);
    }
    checkBudget(request);
    if (picture) {
        request.picture = readPicture(*picture);
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
    std::optional<WholeFile> picture;
    std::optional<RemovedOnSignal> unfinishedPicture;
    if (!request.picture.empty()) {
        picture.emplace(request.picture);
        if (picture->problem()) {
            return cannotWrite(request.picture, *picture->problem(), err);
        }
        unfinishedPicture.emplace(picture->temporaryPath());
    }
    SweepProgress progress(request.biases.size(), err);
    std::vector<IvRow> rows;
    try {
        rows = runIvSweep(request.biases, request.minutes, 0,
                          [&progress](std::size_t finished) { progress.finished(finished); });
    } catch (const RunTimeError& error) {
        err << "kestrel-replay: " << kindName(error.kind()) << " error " << error.what() << '\n';
        return 1;
    }
    out << sweepCsv(rows) << std::flush;
    if (picture) {
        if (const auto problem = picture->commit(sweepSvg(rows))) {
            return cannotWrite(request.picture, *problem, err);
        }
    }
    return 0;
}

}  // namespace kestrel
