#include "clients/privacy.h"

#include <cstdint>

#include "archive/text.h"

namespace custovia {

const std::vector<PrivacySetting>& privacySettings() {
    static const std::vector<PrivacySetting> settings{
        {"Denominazione Impresa", "txtStudioDent"}, {"Comune Sede", "txtCittaDent"},
        {"Provincia Sede", "txtProvDent"},          {"Cap Sede", "txtCapDent"},
        {"Via Sede", "txtIndirizzoDent"},           {"Codice Fiscale Impresa", "txtCodFiscDent"},
        {"Partita Iva Impresa", "txtIvaDent"},      {"Rappresentante Legale", "txtTelDent"},
        {"Titolare Privacy", "txtPrivacy"},         {"Luogo", "txtLuogo"},
    };
    return settings;
}

std::string rtfValue(std::string_view utf8) {
    std::string out;
    for (const char32_t c : utf8ToCodePoints(trimView(utf8))) {
        if (c == U'\\' || c == U'{' || c == U'}') {
            out += '\\';
            out += char(c);
        } else if (c < 32 || c == 127) {
            out += ' ';
        } else if (const std::string one = codePointsToUtf8(std::u32string(1, c)); fitsCp1252(one)) {
            out += one;
        } else {
            // RTF counts in signed 16-bit UTF-16 units; "?" stands in for readers without Unicode
            std::u16string units;
            if (c > 0xFFFF) {
                units += char16_t(0xD800 + ((c - 0x10000) >> 10));
                units += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                units += char16_t(c);
            }
            for (const char16_t u : units) out += "\\u" + std::to_string(int(std::int16_t(u))) + "?";
        }
    }
    return out;
}

namespace {

// The document is one line of RTF; the line breaks of its text below are not part of it.
// "@name@" stands for the value of the control `name`, in bold; "@cliente@" for the client's
// particulars, which the notice and the declaration both give.
constexpr std::string_view kDocument =
    R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fnil Verdana;}}
{\colortbl ;\red0\green0\blue0;}
\viewkind4\uc1\pard\qc\b\f0\fs40 Consenso al trattamento dei dati personali e sensibili
\par \b0\fs28 (Informativa ai sensi del Regolamento UE 2016/679)
\par ______________________________________________________
\par
\par \pard\qj\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla Protezione dei Dati - General Data Protection Regulation - GDPR), la presente Impresa @txtStudioDent@, con sede a @txtCittaDent@ (@txtProvDent@), CAP: @txtCapDent@, in @txtIndirizzoDent@, codice fiscale: @txtCodFiscDent@, partita IVA: @txtIvaDent@, Rappresentante legale: @txtTelDent@, informa che i dati qualificati come personali dalla legge (ivi compresi i dati anagrafici, di contatto, fiscali e la propria immagine fotografica), ad essa forniti dal Cliente Sig. @cliente@, recapito telefonico: @txtRecapito@, saranno trattati come di seguito descritto:
\par
\par \b 1. Finalit\'e0 e modalit\'e0 del trattamento cui sono destinati i dati.
\par \b0 I dati vengono trattati in relazione alle esigenze contrattuali e ai conseguenti adempimenti degli obblighi legali e contrattuali dalle stesse derivanti, nonch\'e9 per la gestione del rapporto commerciale, la fatturazione, l'eventuale recupero dei crediti e la tenuta delle scritture e dei registri previsti dalla legge. Il trattamento avviene su supporti cartacei ed elettronici, con modalit\'e0 idonee a garantirne la sicurezza e la riservatezza. I dati sono conservati per tutta la durata del contratto e, in seguito, per il tempo necessario all'adempimento degli obblighi di legge e fiscali.
\par
\par \b 2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto del consenso.
\par \b0 Il conferimento dei dati \'e8 obbligatorio per tutto quanto \'e8 richiesto dagli obblighi legali e contrattuali: l'eventuale rifiuto di fornirli, o di consentirne il trattamento, pu\'f2 rendere impossibile la stipula o l'esecuzione del contratto. Il conferimento di ogni altro dato \'e8 facoltativo e l'eventuale rifiuto sar\'e0 valutato di volta in volta dall'Impresa.
\par
\par \b 3. Soggetti che possono venire a conoscenza dei dati.
\par \b0 I soggetti o le categorie di soggetti ai quali i dati personali possono essere comunicati sono: il personale interno incaricato della gestione amministrativa e operativa; i professionisti e i consulenti esterni che assistono l'Impresa; le societ\'e0 che le forniscono servizi informatici; gli enti pubblici e privati ai quali la comunicazione sia dovuta per legge o necessaria all'esecuzione del contratto. I dati non sono trasferiti all'estero. Chi li tratta per conto dell'Impresa \'e8 tenuto al segreto e alla riservatezza.
\par
\par \b 4. Diritti degli interessati.
\par \b0 Relativamente ai propri dati, gli interessati possono esercitare i diritti previsti dal Regolamento Generale sulla Protezione dei Dati (General Data Protection Regulation - GDPR) nei limiti ed alle condizioni previste dagli articoli dal medesimo Regolamento.
\par
\par \b 5. Titolare del trattamento dati.
\par \b0 Titolare del trattamento dei dati, nonché Responsabile del trattamento e Responsabile protezione dati (RPD) o Data Protection Officer (DPO) è l'Impresa, rappresentata dal Sig. @txtPrivacy@, domiciliato per la carica nella sede della medesima Impresa.
\par
\par \pard\qc\b Consenso dell'interessato
\par \pard\qj\b0 Preso atto dell'informativa ricevuta ai sensi del Regolamento UE 2016/679, il Cliente esprime il consenso al trattamento ed alla comunicazione dei propri dati qualificati come personali dal citato Regolamento, nei limiti, per le finalit\'e0 e per la durata indicati nell'informativa. Per i dati sensibili il consenso \'e8 espresso per iscritto con la sottoscrizione del presente modulo. I dati saranno conservati per il periodo necessario agli scopi per i quali sono stati raccolti e, in seguito, per i tempi previsti dalle norme civili e fiscali.
\par
\par \pard\qc\b Diritto di accesso ai dati personali ed altri diritti
\par \pard\qj 1.\b0  Il Cliente ha diritto di ottenere la conferma dell'esistenza o meno di dati personali che lo riguardano, anche se non ancora registrati, e la loro comunicazione in forma intelligibile.
\par \b 2.\b0  Il Cliente ha diritto di ottenere l'indicazione: dell'origine dei dati personali; delle finalit\'e0 e delle modalit\'e0 del trattamento; della logica applicata al trattamento effettuato con strumenti elettronici; degli estremi identificativi del titolare e dei responsabili; dei soggetti o delle categorie di soggetti ai quali i dati possono essere comunicati.
\par \b 3.\b0  Il Cliente ha diritto di ottenere: l'aggiornamento, la rettifica o l'integrazione dei dati; la cancellazione, la trasformazione in forma anonima o il blocco dei dati trattati in violazione di legge; l'attestazione che tali operazioni sono state portate a conoscenza di coloro ai quali i dati sono stati comunicati; la portabilit\'e0 dei dati.
\par \b 4.\b0  Il Cliente ha diritto di opporsi, in tutto o in parte: per motivi legittimi, al trattamento dei dati personali che lo riguardano; di revocare in qualsiasi momento il consenso prestato, senza pregiudizio per la liceit\'e0 del trattamento precedente; di proporre reclamo all'autorit\'e0 di controllo.
\par
\par \pard\qc\b DICHIARAZIONE DEL CLIENTE
\par
\par \pard\qj\b0 Io sottoscritto @cliente@, esprimo il mio libero consenso al trattamento dei dati personali. A tal fine dichiaro di essere stato informato su:
\par \b 1)\b0  le finalit\'e0 e le modalit\'e0 del trattamento cui sono destinati i dati, connesse con le attivit\'e0 svolte dall'Impresa;
\par \b 2)\b0  i soggetti o le categorie di soggetti ai quali i dati personali possono essere comunicati o che possono venirne a conoscenza in qualit\'e0 di incaricati;
\par \b 3)\b0  il diritto di accesso ai dati personali, la facolt\'e0 di chiederne l'aggiornamento, la rettifica, l'integrazione e la cancellazione nonch\'e9 di oppormi all'invio di comunicazioni commerciali;
\par \b 4)\b0  il nome della persona che sar\'e0 titolare del trattamento dei dati personali domiciliata per la carica nella sede dell'Impresa;
\par \b 5)\b0  la necessit\'e0 di comunicare i dati richiesti per poter usufruire dei servizi forniti dall'Impresa.
\par Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili al Sig. @txtPrivacy@ esclusivamente per le finalit\'e0 istituzionali, amministrative, organizzative e gestionali, strettamente connesse allo svolgimento delle attivit\'e0 svolte dall'Impresa, comprese eventuali comunicazioni tramite email o telefono. Resta inteso che l'utilizzo dei dati suddetti deve avvenire nel rispetto dei principi di liceit\'e0, correttezza, pertinenza e non eccedenza.
\par
\par @txtLuogo@, @txtData@.
\par
\par \pard\qr\b Firma del Cliente per accettazione
\par
\par _______________________________
\par \b0
\par \pard\cf1\b\f1
\par })rtf";

constexpr std::string_view kClientParticulars =
    "@txtPaziente@, nato a @txtComuneNasc@ (@txtProvNasc@) il @txtDataNasc@, residente a @txtComuneRes@ "
    "(@txtProvRes@), CAP: @txtCapRes@ in @txtIndirizzo@, codice fiscale: @txtCodFisc@";

// The text with its line breaks left out and each "@name@" replaced by what `part` gives for name.
std::string filledIn(std::string_view text, const std::function<std::string(std::string_view)>& part) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n') {
            ++i;
        } else if (text[i] != '@') {
            out += text[i++];
        } else {
            const std::size_t end = text.find('@', i + 1);
            out += part(text.substr(i + 1, end - i - 1));
            i = end + 1;
        }
    }
    return out;
}

}  // namespace

std::string privacyDocument(const PrivacyValues& values) {
    // a value in bold: "\b " value "\b0 ", so an empty field leaves an empty bold run
    const auto bold = [&values](std::string_view control) {
        return "\\b " + rtfValue(values(control)) + "\\b0 ";
    };
    const std::string particulars = filledIn(kClientParticulars, bold);
    return toCp1252(filledIn(
        kDocument, [&](std::string_view name) { return name == "cliente" ? particulars : bold(name); }));
}

}  // namespace custovia
