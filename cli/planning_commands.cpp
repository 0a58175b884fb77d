#include "cli/planning_commands.h"

#include "calendar/time_zone.h"
#include "cli/typed_values.h"
#include "pictures/eclipse_map_picture.h"
#include "report/eclipse_map_output.h"
#include "report/tour_output.h"
#include "session/eclipse_map.h"
#include "session/eclipse_map_contents.h"
#include "session/tour.h"

namespace orbitas::cli {

// Tonight's tour: the planets, the Moon, the showers and the deep sky.
int RunTour(const Arguments& args, Context& ctx) {
  const std::string date = LocalDayOf(args.localDate, args.zone, 12).date;
  ctx.beyond = [date] { return ": la noche del " + date + " queda fuera del alcance del método"; };
  SkyRequest request = RequestOf(args);
  request.withMethod = false;
  const TourAnswer tour = orbitas::RunTour(request, args.tour);
  ctx.beyond = nullptr;
  switch (args.json ? OutputFormat::Json : args.format) {
    case OutputFormat::Json: ctx.out.Write(report::TourJson(tour)); break;
    case OutputFormat::Csv: ctx.out.Write(report::TourCsv(tour)); break;
    default: ctx.out.Write(report::TourText(tour, ctx.separator)); break;
  }
  return 0;
}

// The first eclipse from a date on the map: its path in words, or its
// lines as GeoJSON or KML.
int RunEclipseMap(const Arguments& args, Context& ctx) {
  OpenPicture(args, ctx);
  SkyRequest request = RequestOf(args);
  request.at = BoundInstant(args.table.start, args.zone);
  const EclipseMapAnswer map = orbitas::RunEclipseMap(request);
  switch (args.format) {
    case OutputFormat::GeoJson: ctx.out.Write(report::EclipseMapGeoJson(map)); break;
    case OutputFormat::Kml: ctx.out.Write(report::EclipseMapKml(map)); break;
    default: ctx.out.Write(report::EclipseMapText(map, ctx.separator)); break;
  }
  if (!ctx.picture) return 0;
  const pictures::PictureRequest& size = ctx.picture->request();
  const EclipseMapPicture picture = EclipseMapPictureOf(map, args.mapRegion, ctx.separator);
  // A page keeps its paper; a picture of the default size is as high as its map.
  const bool page = size.sizeGiven || size.format == pictures::PictureFormat::Pdf;
  if (!page) ctx.picture->SetHeight(pictures::EclipseMapFittedHeight(picture, size.width, size.height));
  const std::string svg = pictures::DrawEclipseMap(picture, ctx.separator, size.width, ctx.picture->request().height);
  return Finish(ctx, svg) ? 0 : ExitRuntimeError;
}

}  // namespace orbitas::cli
