// The script put into every frame of every page: it reports, through the
// console channel, when the frame's document is complete, because the
// engine tells only of the main frame's load.
#pragma once

namespace platform {

inline constexpr char kFrameCompleteMarker[] = "\x01kavro-frame-complete ";

inline constexpr char kFrameCompleteScript[] =
    "(function(){if(window===window.top)return;var sent=false;"
    "function done(){if(sent)return;sent=true;"
    "console.log('\\u0001kavro-frame-complete '+location.href);}"
    "if(document.readyState==='complete')done();"
    "else window.addEventListener('load',done);})();";

}  // namespace platform
