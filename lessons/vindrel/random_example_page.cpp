// The head of Vindrel's pages of random examples.
#include "example_loop.h"
#include "powers_sets_pages.h"

namespace vindrel {

void RandomExamplePage(float height, const std::string& title) {
  RandomExamplePageHead(height, title, 34);
}

}  // namespace vindrel
