#include "parsedrv_rules.h"

#include "language_rules.h"

namespace setup {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        if (c != b[i]) {
            return false;
        }
    }
    return true;
}

struct Translation {
    unsigned languageId;
    const char* text;
};

// Hex escapes end where a string piece ends, so a letter that could be a hex
// digit starts a new piece.
constexpr Translation kRetryTexts[] = {
    {tavimo::kEnglish,
     "The Quorvel USB headset does not answer yet.\n\nPlug the headset into a USB port, wait "
     "until Windows has found it, then press Retry. Press Cancel to finish without it."},
    {tavimo::kGerman,
     "Das Quorvel USB-Headset antwortet noch nicht.\n\nSchlie\xDF"
     "en Sie das Headset an einen USB-Anschluss an, warten Sie, bis Windows es gefunden hat, "
     "und klicken Sie dann auf Wiederholen. Mit Abbrechen beenden Sie die Installation ohne "
     "Headset."},
    {tavimo::kFrench,
     "Le casque USB Quorvel ne r\xE9pond pas encore.\n\nBranchez le casque sur un port USB, "
     "attendez que Windows l'ait d\xE9tect\xE9, puis cliquez sur R\xE9"
     "essayer. Cliquez sur Annuler pour terminer sans le casque."},
    {tavimo::kSpanish,
     "Los auriculares USB Quorvel todav\xED"
     "a no responden.\n\nConecte los auriculares a un puerto USB, espere a que Windows los "
     "detecte y haga clic en Reintentar. Haga clic en Cancelar para terminar sin ellos."},
    {tavimo::kItalian,
     "La cuffia USB Quorvel non risponde ancora.\n\nCollegare la cuffia a una porta USB, "
     "attendere che Windows la rilevi, quindi fare clic su Riprova. Fare clic su Annulla per "
     "terminare senza la cuffia."},
    {tavimo::kDutch,
     "De Quorvel USB-headset reageert nog niet.\n\nSluit de headset aan op een USB-poort, wacht "
     "tot Windows hem heeft gevonden en klik dan op Opnieuw. Klik op Annuleren om zonder "
     "headset af te sluiten."},
};

}  // namespace

bool WantsRemoval(std::string_view arguments) {
    while (!arguments.empty()) {
        const std::size_t start = arguments.find_first_not_of(" \t");
        if (start == std::string_view::npos) {
            return false;
        }
        arguments.remove_prefix(start);
        const std::size_t end = arguments.find_first_of(" \t");
        const std::string_view word = arguments.substr(0, end);
        if (SameIgnoringCase(word, "/remove") || SameIgnoringCase(word, "-remove")) {
            return true;
        }
        arguments.remove_prefix(word.size());
    }
    return false;
}

const char* RetryText(unsigned languageId) {
    for (const Translation& translation : kRetryTexts) {
        if (translation.languageId == languageId) {
            return translation.text;
        }
    }
    return kRetryTexts[0].text;
}

}  // namespace setup
