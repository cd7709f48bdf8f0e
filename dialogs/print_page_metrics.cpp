#include "dialogs/print_page_metrics.h"

#include <algorithm>

namespace tw {

PageMetrics ComputePageMetrics(const PrintDevice& device, const PrintSettings& settings) {
    PageMetrics m;
    m.pageWidth = device.pageWidth;
    m.pageHeight = device.pageHeight;
    m.leftMargin = device.pixelsPerInchX / 2;
    m.topMargin = device.pixelsPerInchY / 2;
    m.lineHeight = std::max(1, device.lineHeight);
    m.charWidth = std::max(1, device.charWidth);
    m.charsPerLine = (device.pageWidth - 2 * m.leftMargin) / m.charWidth;
    m.printLeft = m.leftMargin;
    m.printRight = device.pageWidth - m.leftMargin;
    m.printTop = m.topMargin;
    m.printBottom = device.pageHeight - m.topMargin;
    if (settings.pageHeader) {
        m.printTop += 2 * m.lineHeight;
        m.printBottom -= 2 * m.lineHeight;
    }
    if (settings.columnNames) m.printTop += 2 * m.lineHeight;
    m.linesPerPage = std::max(1, (m.printBottom - m.printTop) / m.lineHeight);
    return m;
}

}  // namespace tw
