#include "formats/gpx/gpx_text.h"

#include "formats/gpx/gpx_time.h"
#include "formats/xml/xml_text.h"
#include "platform/file_system.h"

namespace qm {

std::string GpxDocumentStart(bool measures)
{
    std::string start =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<gpx version=\"1.1\" creator=\"Quillmarsh\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
        "xmlns:gpx_style=\"http://www.topografix.com/GPX/gpx_style/0/2\" ";
    if (measures)
        start += "xmlns:gpxtpx=\"" + std::string(kGpxTrackPointExtension) + "\" xmlns:pwr=\"" +
                 std::string(kGpxPowerExtension) + "\" ";
    start +=
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd "
        "http://www.topografix.com/GPX/gpx_style/0/2 http://www.topografix.com/GPX/gpx_style/0/2/gpx_style.xsd";
    if (measures)
        start += " " + std::string(kGpxTrackPointExtension) +
                 " http://www.garmin.com/xmlschemas/TrackPointExtensionv1.xsd";
    start += "\">\r\n";
    return start;
}

std::string GpxPoint(std::string_view element, const TrackPoint& point, std::string_view children)
{
    std::string longitude = XmlDegrees(point.Longitude);
    // GPX's longitudes stop short of 180: the same meridian is -180.
    if (longitude == "180") longitude = "-180";
    std::string text = "<" + std::string(element) + " lat=\"" + XmlDegrees(point.Latitude) + "\" lon=\"" +
                       longitude + "\">";
    if (point.Height) text += "<ele>" + XmlMetres(*point.Height) + "</ele>";
    if (std::optional<std::string> time = GpxTimeText(point.DateTime)) text += "<time>" + *time + "</time>";
    text += children;
    text += "</" + std::string(element) + ">";
    text += kLineEnd;
    return text;
}

}  // namespace qm
