// The page's program: the form model and its binding live as long as the page; main returns at
// once and the browser calls back into them with every event.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "form/m.h"
#include "ui/web/events.h"
#include "ui/web/page.h"

namespace {

using emscripten::val;

orunika::m& Form() {
  static orunika::m form;
  return form;
}

void OnEvent(val event) { orunika::web::Handle(Form(), event); }

// A new worker has taken over a page that an older one answered: show the new page, unless a
// hand is being typed into this one.
void OnNewWorker(val) {
  if (Form().a.Text().empty() && Form().b.Text().empty())
    val::global("location").call<void>("reload");
}

}  // namespace

EMSCRIPTEN_BINDINGS(orunika_page) {
  emscripten::function("orunikaEvent", &OnEvent);
  emscripten::function("orunikaNewWorker", &OnNewWorker);
}

int main() {
  val document = val::global("document");
  orunika::web::Bind(Form(), document.call<val>("getElementById", val("m")),
                     val::module_property("orunikaEvent"));
  // The worker keeps the page for a visit without network; a browser without one (or a page not
  // served over https or from this machine) simply has no offline copy.
  val workers = val::global("navigator")["serviceWorker"];
  if (workers.isUndefined()) return 0;
  if (!workers["controller"].isNull())
    workers.call<void>("addEventListener", val("controllerchange"),
                       val::module_property("orunikaNewWorker"));
  workers.call<val>("register", val("service-worker.js"));
  return 0;
}
