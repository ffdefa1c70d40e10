#pragma once

namespace bithydraulics {

// Makes the application's style hand out its standard icons (a message box's, the menu bar's
// overflow arrow) as icons that read their images when first drawn rather than when made. The
// menu bar makes its overflow button at once, and reading that image loads the image-format and
// icon-engine plugins, which would slow the program's start for a button that seldom shows.
// Done once for the running application; later calls do nothing.
void useLazyStandardIcons();

}  // namespace bithydraulics
