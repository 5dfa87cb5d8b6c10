#include "analysis/info_text_data.h"

namespace orbelle {

// The first piece keeps its trailing blank: the window joins both pieces with nothing in between.
constinit const std::string_view kInfoTextFirst = "Eine genaue Aussage darüber, wie gut zwei Menschen zueinander passen, lässt sich nur treffen, wenn ein erfahrener Astrologe die vollständigen Horoskope beider Partner erstellt und sorgfältig vergleicht. Dieser Vergleich heißt Synastrie und bezieht neben der Sonne auch den Mond, den Aszendenten, die übrigen Planeten und ihre Aspekte zueinander ein. Dieses Programm kann das nicht leisten: Es berücksichtigt ausschließlich den Stand der Sonne bei der Geburt, also das Sternzeichen, unter dem jemand geboren ist. Die Analysen beschreiben deshalb den durchschnittlichen Vertreter jedes Zeichens und das, was typischerweise geschieht, wenn zwei solche Menschen aufeinandertreffen. Im wahren Leben prägen viele andere Einflüsse jeden Charakter, und so gibt es auch unter den Paaren, die hier als kritisch gelten, viele glückliche Verbindungen. Bitte nimm die Analysen daher als Anregung und als Bild des Durchschnitts, nicht als Urteil über Deine eigene Liebe. ";
constinit const std::string_view kInfoTextSecond = "Trotzdem wirst Du überrascht sein, wie gut Du Dich und den geliebten Menschen in den Analysen wiederfindest.";

}  // namespace orbelle
