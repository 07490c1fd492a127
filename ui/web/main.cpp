// The page's program: the form model and its drawing live as long as the page; main returns at
// once and the browser calls back into them with every event.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "form/bindings.h"
#include "form/m.h"
#include "ui/web/events.h"
#include "ui/web/page.h"

namespace {

orunika::m& Form() {
  static orunika::m form;
  return form;
}

void OnEvent(emscripten::val event) { orunika::web::Handle(Form(), event); }

}  // namespace

EMSCRIPTEN_BINDINGS(orunika_page) { emscripten::function("orunikaEvent", &OnEvent); }

int main() {
  using emscripten::val;
  val root = val::global("document").call<val>("getElementById", val("m"));
  orunika::web::Draw(Form(), root, val::module_property("orunikaEvent"));
  Form().Load.Raise();
  orunika::web::Focus(orunika::bindings::FirstFocus());
  // The worker keeps the page for a visit without network; a browser without one (or a page not
  // served over https or from this machine) simply has no offline copy.
  val workers = val::global("navigator")["serviceWorker"];
  if (!workers.isUndefined()) workers.call<val>("register", val("service-worker.js"));
  return 0;
}
