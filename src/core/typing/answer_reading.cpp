#include "core/typing/answer_reading.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "core/numbers/characters.h"
#include "core/numbers/trimmed.h"
#include "core/typing/equation_parser.h"
#include "core/typing/equation_tokens.h"
#include "core/typing/refusal.h"
#include "core/typing/text_limits.h"

// The grammar of an answer, over the tokens of a typed equation; a product without a sign is
// written by juxtaposition, as in an equation:
//
//   answer  = claim | set | point | items
//   claim   = words ("no solution", "infinitely many" [":" items], …) | "∅" | "{" "}"
//   set     = [ name ( "=" | "∈" ) ] "{" items "}"
//   point   = [ "(" name sep name ")" "=" | letter ] "(" value sep value ")"     sep: "," "|" ";"
//   items   = item { [ separator ] item }    separator: "," (";" with a decimal comma), a new
//                                           line, "and", "or", "∨", "v"; a blank between two
//   item    = { name ( "=" | "≈" ) } value { "≈" value } | line
//   line    = a linear equation in x and y, a system's solutions
//   value   = [ "±" ] sum
//   sum     = term { ( "+" | "-" | "±" ) term }
//   term    = factor { ( "*" | "/" ) factor | juxtaposed }    juxtaposed: a letter, "√" or "("
//   factor  = ( "+" | "-" ) factor | primary
//   primary = number [ whole "/" whole ] | "i" | "j" | letter | "√" factor | "(" value ")"

namespace {

using Kind = Token::Kind;

// A token of the answer, letters written together taken as one word ("no", "sqrt", "x") and
// "+-" or "+/-" as "±".
struct Piece {
    Kind kind;
    std::size_t place = 0, length = 0;
    Rational value;
    std::string word;     // a word's letters, as typed
    bool decimal = false; // a number written with a separator
    bool joined = false;  // written straight after the piece before, without a blank

    std::size_t end() const { return place + length; }
    std::string lower() const {
        std::string text = word;
        for (char& c : text)
            c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return text;
    }
};

std::vector<Piece> piecesOf(const std::vector<Token>& tokens, std::string_view text) {
    std::vector<Piece> pieces;
    for (const Token& token : tokens) {
        Piece piece{token.kind, token.place, token.length, token.value, {}, false, false};
        const std::string_view written = text.substr(token.place, token.length);
        piece.joined = !pieces.empty() && pieces.back().end() == token.place;
        if (token.kind == Kind::Letter)
            piece.word = std::string(written);
        if (token.kind == Kind::Number)
            piece.decimal = written.find_first_not_of("0123456789") != std::string_view::npos &&
                            written.size() > 0 && written[0] >= '0' && written[0] <= '9';
        Piece* last = pieces.empty() ? nullptr : &pieces.back();
        if (last && piece.joined && last->kind == Kind::Letter && piece.kind == Kind::Letter) {
            last->word += piece.word;
            last->length += piece.length;
            continue;
        }
        // "+-" and "+/-", as a keyboard without "±" writes it.
        if (last && piece.joined && last->kind == Kind::Plus && piece.kind == Kind::Minus) {
            last->kind = Kind::PlusMinus;
            last->length += piece.length;
            continue;
        }
        if (last && piece.joined && last->kind == Kind::Divide && piece.kind == Kind::Minus &&
            pieces.size() >= 2 && pieces[pieces.size() - 2].kind == Kind::Plus &&
            pieces[pieces.size() - 2].end() == last->place) {
            pieces.pop_back();
            pieces.back().kind = Kind::PlusMinus;
            pieces.back().length = piece.end() - pieces.back().place;
            continue;
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// The words a claim is made in, each phrase as pupils write it.
const std::array<std::string_view, 16> noSolution{"no solution",
                                                  "no solutions",
                                                  "none",
                                                  "no root",
                                                  "no roots",
                                                  "there is no solution",
                                                  "there are no solutions",
                                                  "no solution exists",
                                                  "unsolvable",
                                                  "not solvable",
                                                  "the lines are parallel",
                                                  "lines are parallel",
                                                  "parallel lines",
                                                  "parallel",
                                                  "the equation has no solution",
                                                  "the system has no solution"};
const std::array<std::string_view, 3> noRealSolution{"no real", "there is no real",
                                                     "there are no real"};
const std::array<std::string_view, 7> infinitelyMany{"infinitely many solutions",
                                                     "infinitely many solution",
                                                     "infinitely many",
                                                     "infinite solutions",
                                                     "infinite",
                                                     "the lines are the same",
                                                     "the same line"};

class AnswerParser {
public:
    AnswerParser(std::vector<Piece> pieces, std::string_view text, const NumberLocale& locale)
        : m_pieces(std::move(pieces)), m_text(text), m_locale(locale),
          m_decimalComma(locale.decimalSeparator == ","), m_end(m_pieces.size()) {}

    ReadAnswer answer() {
        ReadAnswer read;
        read.claim = claim();
        if (read.claim == ReadAnswer::Claim::NoSolution ||
            read.claim == ReadAnswer::Claim::NoRealSolution)
            return read;
        if (!set(read) && !point(read))
            items(read, m_pieces.size());
        read.parameter = m_parameter;
        if (m_line) {
            read.claim = ReadAnswer::Claim::InfinitelyMany;
            read.parameter = 't';
        }
        if (read.items.empty() && read.claim == ReadAnswer::Claim::Numbers)
            throw Refusal("Type your answer first.", 0, 0);
        return read;
    }

private:
    // centre ± spread, or the centre alone.
    struct Value {
        AnswerNumber centre, spread;
        bool twoWays = false;
    };

    bool at(Kind kind) const { return m_at < m_end && m_pieces[m_at].kind == kind; }
    bool atWord(std::string_view word) const {
        return at(Kind::Letter) && m_pieces[m_at].lower() == word;
    }
    const Piece& current() const { return m_pieces[m_at]; }
    std::string shown(const Piece& piece) const {
        return excerpt(m_text.substr(piece.place, piece.length));
    }

    [[noreturn]] static void refuse(const std::string& message, const Piece& piece) {
        throw Refusal(message, piece.place, piece.length);
    }

    // The words at the start, as one phrase, and the claim they make; the pieces after an
    // "infinitely many" are read on.
    ReadAnswer::Claim claim() {
        std::string phrase;
        std::size_t words = 0;
        for (; words < m_pieces.size() && m_pieces[words].kind == Kind::Letter; ++words) {
            if (!phrase.empty())
                phrase += ' ';
            phrase += m_pieces[words].lower();
        }
        const bool whole = words == m_pieces.size();
        if (whole && std::find(noSolution.begin(), noSolution.end(), phrase) != noSolution.end())
            return ReadAnswer::Claim::NoSolution;
        if (words > 0 && std::any_of(noRealSolution.begin(), noRealSolution.end(),
                                     [&](std::string_view p) { return phrase.starts_with(p); }))
            return ReadAnswer::Claim::NoRealSolution;
        for (std::string_view many : infinitelyMany) {
            if (words > 0 && (phrase == many || phrase.starts_with(std::string(many) + " "))) {
                // The words of the phrase, then the solutions after an optional ":".
                m_at = std::size_t(std::count(many.begin(), many.end(), ' ') + 1);
                if (m_at < m_pieces.size() && m_pieces[m_at].kind == Kind::Divide &&
                    m_text[m_pieces[m_at].place] == ':')
                    ++m_at;
                return ReadAnswer::Claim::InfinitelyMany;
            }
        }
        // The empty set: "∅", "{}", "L = {}", "x ∈ ∅".
        std::size_t first = 0;
        if (m_pieces.size() >= 2 && m_pieces[0].kind == Kind::Letter &&
            (m_pieces[1].kind == Kind::Equals || m_pieces[1].kind == Kind::ElementOf))
            first = 2;
        const std::size_t left = m_pieces.size() - first;
        if ((left == 1 && m_pieces[first].kind == Kind::EmptySet) ||
            (left == 2 && m_pieces[first].kind == Kind::OpenSet &&
             m_pieces[first + 1].kind == Kind::CloseSet))
            return ReadAnswer::Claim::NoSolution;
        return ReadAnswer::Claim::Numbers;
    }

    // "{2; 3}", "L = {2; 3}", "x ∈ {2, 3}": the items inside the braces.
    bool set(ReadAnswer& read) {
        std::size_t open = m_at;
        if (open + 1 < m_pieces.size() && m_pieces[open].kind == Kind::Letter &&
            (m_pieces[open + 1].kind == Kind::Equals || m_pieces[open + 1].kind == Kind::ElementOf))
            open += 2;
        if (open >= m_pieces.size() || m_pieces[open].kind != Kind::OpenSet)
            return false;
        const std::size_t close = m_pieces.size() - 1;
        if (m_pieces[close].kind != Kind::CloseSet)
            refuse("A set \"{\" is not closed.", m_pieces[open]);
        m_at = open + 1;
        // A set of one point: "{(2, -5)}".
        m_end = close;
        if (!point(read))
            items(read, close);
        return true;
    }

    // A point: "(2, -5)", "(2|-5)", "P(2, -5)", "(x, y) = (2, -5)": its coordinates, named
    // where the pupil names them.
    bool point(ReadAnswer& read) {
        const std::size_t end = m_end;
        std::size_t open = m_at;
        std::array<std::string, 2> names{"", ""};
        const auto separates = [&](std::size_t at) {
            const Kind kind = m_pieces[at].kind;
            return kind == Kind::Bar || kind == Kind::Separator ||
                   (kind == Kind::Comma && !m_decimalComma);
        };
        // "(x, y) =" or "(x|y) =".
        if (open + 5 < end && m_pieces[open].kind == Kind::Open &&
            m_pieces[open + 1].kind == Kind::Letter && separates(open + 2) &&
            m_pieces[open + 3].kind == Kind::Letter && m_pieces[open + 4].kind == Kind::Close &&
            m_pieces[open + 5].kind == Kind::Equals) {
            names = {m_pieces[open + 1].lower(), m_pieces[open + 3].lower()};
            open += 6;
        } else if (open + 1 < end && m_pieces[open].kind == Kind::Letter &&
                   m_pieces[open].word.size() == 1 && m_pieces[open + 1].kind == Kind::Open &&
                   m_pieces[open + 1].joined && m_pieces[open].lower() != "i") {
            ++open; // the point's name, "P"
        }
        if (open >= end || m_pieces[open].kind != Kind::Open ||
            m_pieces[end - 1].kind != Kind::Close)
            return false;
        // The bracket must close at the end, around one separator at the top.
        int depth = 0;
        std::optional<std::size_t> middle;
        for (std::size_t at = open; at < end; ++at) {
            const Kind kind = m_pieces[at].kind;
            depth += kind == Kind::Open ? 1 : kind == Kind::Close ? -1 : 0;
            if (depth == 0 && at + 1 < end)
                return false;
            if (depth == 1 && separates(at)) {
                if (middle)
                    return false;
                middle = at;
            }
        }
        if (!middle)
            return false;
        m_at = open + 1;
        for (int coordinate = 0; coordinate < 2; ++coordinate) {
            m_end = coordinate == 0 ? *middle : end - 1;
            const Value value = this->value();
            if (m_at < m_end)
                unexpected();
            read.items.push_back({names[std::size_t(coordinate)], {value.centre}, false});
            m_at = *middle + 1;
        }
        m_at = end;
        return true;
    }

    // The items up to `end`, each after a separator or a blank.
    void items(ReadAnswer& read, std::size_t end) {
        m_end = end;
        while (m_at < end) {
            if (separator()) {
                ++m_at;
                continue;
            }
            const std::size_t start = m_at;
            item(read);
            if (m_at == start)
                unexpected();
            if (m_at < end && !separator() && current().joined)
                unexpected();
        }
    }

    bool separator() const {
        if (at(Kind::Separator) || at(Kind::Or) || atWord("and") || atWord("or") || atWord("v"))
            return true;
        if (at(Kind::Comma)) {
            if (m_decimalComma)
                refuse("With a decimal comma, \",\" is part of a number: write \";\" between "
                       "the roots.",
                       current());
            return true;
        }
        return false;
    }

    // "x1 =", "x1 = x2 =", "x ≈": the names before the numbers, and the values after them.
    void item(ReadAnswer& read) {
        const std::string name = names();
        if (name.empty() && isLine()) {
            line(read);
            return;
        }
        bool approximate = false;
        while (m_at < m_end) {
            if (!at(Kind::Approximately)) {
                const Value value = this->value();
                AnswerItem item{name, {value.centre + value.spread}, approximate};
                if (value.twoWays)
                    item.values.push_back(value.centre - value.spread);
                read.items.push_back(item);
            }
            if (!at(Kind::Approximately))
                return;
            ++m_at;
            approximate = true;
        }
    }

    // The end of the item that starts here: the next separator, or the end.
    std::size_t itemEnd() const {
        std::size_t end = m_at;
        while (end < m_end &&
               !(m_pieces[end].kind == Kind::Separator || m_pieces[end].kind == Kind::Or ||
                 (m_pieces[end].kind == Kind::Comma && !m_decimalComma) ||
                 (m_pieces[end].kind == Kind::Letter && isSeparatorWord(m_pieces[end]))))
            ++end;
        return end;
    }

    // An equation in x and y without powers: "x + y = 2".
    bool isLine() const {
        bool equals = false, unknown = false;
        for (std::size_t at = m_at; at < itemEnd(); ++at) {
            const Piece& piece = m_pieces[at];
            if (piece.kind == Kind::Power || piece.kind == Kind::Superscript)
                return false;
            equals = equals || piece.kind == Kind::Equals;
            unknown = unknown || (piece.kind == Kind::Letter &&
                                  (piece.lower() == "x" || piece.lower() == "y"));
        }
        return equals && unknown;
    }

    // A name: a single letter, with its index written after it ("x1", "x₂", "x1,2", "x12"),
    // and the piece after it.
    std::optional<std::pair<std::string, std::size_t>> nameAt(std::size_t at) const {
        if (at >= m_end || m_pieces[at].kind != Kind::Letter || m_pieces[at].word.size() != 1)
            return std::nullopt;
        std::string written;
        std::size_t next = at + 1;
        while (next < m_end && m_pieces[next].joined &&
               (m_pieces[next].kind == Kind::Number || m_pieces[next].kind == Kind::Comma ||
                m_pieces[next].kind == Kind::Divide)) {
            written += m_text.substr(m_pieces[next].place, m_pieces[next].length);
            ++next;
        }
        std::string index;
        for (const std::string_view digit : {"1", "2", "\xE2\x82\x81", "\xE2\x82\x82"})
            if (written.find(digit) != std::string::npos)
                index += digit.size() == 1 ? digit : digit == "\xE2\x82\x81" ? "1" : "2";
        std::sort(index.begin(), index.end());
        static const std::array<std::string_view, 9> indices{"",
                                                             "1",
                                                             "2",
                                                             "12",
                                                             "1,2",
                                                             "1/2",
                                                             "\xE2\x82\x81",
                                                             "\xE2\x82\x82",
                                                             "\xE2\x82\x81,\xE2\x82\x82"};
        if (std::find(indices.begin(), indices.end(), written) == indices.end())
            return std::nullopt;
        return std::pair{m_pieces[at].lower() + index, next};
    }

    std::string names() {
        std::vector<std::string> found;
        while (true) {
            const auto name = nameAt(m_at);
            if (!name || name->second >= m_end ||
                (m_pieces[name->second].kind != Kind::Equals &&
                 m_pieces[name->second].kind != Kind::Approximately))
                break;
            found.push_back(name->first);
            m_at = name->second;
            if (m_pieces[m_at].kind == Kind::Equals)
                ++m_at;
        }
        if (found.size() > 1)
            return found[0].substr(0, 1) + "12";
        return found.empty() ? "" : found[0];
    }

    // "x + y = 2", "2x - y = 1": a line of a system's solutions, read as an equation in x and y,
    // its points written with x = t.
    void line(ReadAnswer& read) {
        const std::size_t start = m_at, end = itemEnd();
        const std::size_t from = m_pieces[start].place;
        const std::string_view equation = m_text.substr(from, m_pieces[end - 1].end() - from);
        std::vector<Token> tokens = typedTokens(equation, m_locale);
        for (Token& token : tokens)
            if (token.kind == Kind::Letter && token.letter != 'x' && token.letter != 'y')
                throw Refusal("A line of solutions is written in x and y.", from + token.place,
                              token.length);
        EquationSides sides;
        try {
            sides = parseEquation(tokens, equation, {"x", "y"}, 1);
        } catch (const Refusal& refusal) {
            throw Refusal(std::string(refusal.what()) + ".", from + refusal.place(),
                          refusal.length());
        }
        const Terms terms = collected([&] {
            Terms all = sides.left;
            const Terms right = negated(sides.right);
            all.insert(all.end(), right.begin(), right.end());
            return all;
        }());
        const Rational a = coefficientOf(terms, {1, 0}), b = coefficientOf(terms, {0, 1}),
                       c = -coefficientOf(terms, {0, 0});
        if (b.sign() != 0) {
            read.items.push_back({"x", {AnswerNumber::parameter()}, false});
            read.items.push_back({"y",
                                  {AnswerNumber::rational(c / b) -
                                   AnswerNumber::parameter() * AnswerNumber::rational(a / b)},
                                  false});
        } else if (a.sign() != 0) {
            read.items.push_back({"x", {AnswerNumber::rational(c / a)}, false});
            read.items.push_back({"y", {AnswerNumber::parameter()}, false});
        } else {
            refuse("This equation is no line: write it with x or y.", m_pieces[start]);
        }
        m_line = true;
        m_at = end;
    }

    [[noreturn]] void unexpected() const {
        const Piece& piece = current();
        if (piece.kind == Kind::Close)
            refuse("A bracket \")\" has no \"(\" before it.", piece);
        if (piece.kind == Kind::Equals)
            refuse("Write \"" + std::string(m_decimalComma ? ";" : ",") + "\" between two answers.",
                   piece);
        if (piece.kind == Kind::Number)
            refuse("A sign is missing before " + shown(piece) + ".", piece);
        refuse("\"" + shown(piece) + "\" cannot stand there.", piece);
    }

    static Value plain(const AnswerNumber& number) { return {number, AnswerNumber{}, false}; }

    [[noreturn]] static void refuseTwice(const Piece& piece) {
        refuse("Write \"\u00B1\" only once in a number.", piece);
    }

    Value value() {
        if (at(Kind::PlusMinus)) {
            const Piece& sign = m_pieces[m_at++];
            const Value spread = term();
            if (spread.twoWays)
                refuseTwice(sign);
            return sum({AnswerNumber{}, spread.centre, true});
        }
        return sum(term());
    }

    Value sum(Value value) {
        while (at(Kind::Plus) || at(Kind::Minus) || at(Kind::PlusMinus)) {
            const Piece& sign = m_pieces[m_at++];
            Value next = term();
            if (sign.kind == Kind::Minus)
                next.centre = -next.centre;
            if (sign.kind == Kind::PlusMinus) {
                if (next.twoWays)
                    refuseTwice(sign);
                next = {AnswerNumber{}, next.centre, true};
            }
            if (value.twoWays && next.twoWays)
                refuseTwice(sign);
            value = {value.centre + next.centre, value.twoWays ? value.spread : next.spread,
                     value.twoWays || next.twoWays};
        }
        return value;
    }

    Value term() {
        Value value = factor();
        while (m_at < m_end) {
            const Piece& piece = current();
            const bool afterUnit = m_at > 0 && isImaginaryUnit(m_pieces[m_at - 1]);
            if (piece.kind == Kind::Times || piece.kind == Kind::Divide) {
                ++m_at;
                const Value next = factor();
                value = piece.kind == Kind::Times ? product(value, next, piece)
                                                  : quotient(value, next, piece);
            } else if ((piece.kind == Kind::Letter && !isSeparatorWord(piece) &&
                        (piece.joined || !namesItem(m_at))) ||
                       piece.kind == Kind::Root || piece.kind == Kind::Open ||
                       (piece.kind == Kind::Number && piece.joined && afterUnit)) {
                // "2i", "2√5", "i√3", "(√3/2)i", "i2.646"
                value = product(value, factor(), piece);
            } else {
                break;
            }
        }
        return value;
    }

    // Whether a name and "=" or "≈" start here: a new item, as in "x = 2 x = 3".
    bool namesItem(std::size_t at) const {
        const auto name = nameAt(at);
        return name && name->second < m_end &&
               (m_pieces[name->second].kind == Kind::Equals ||
                m_pieces[name->second].kind == Kind::Approximately);
    }

    static bool isImaginaryUnit(const Piece& piece) {
        return piece.kind == Kind::Letter && (piece.lower() == "i" || piece.lower() == "j");
    }
    static bool isSeparatorWord(const Piece& piece) {
        const std::string word = piece.lower();
        return word == "and" || word == "or" || word == "v";
    }

    static Value product(const Value& p, const Value& q, const Piece& sign) {
        if (p.twoWays && q.twoWays)
            refuseTwice(sign);
        return {p.centre * q.centre, p.twoWays ? p.spread * q.centre : p.centre * q.spread,
                p.twoWays || q.twoWays};
    }
    static Value quotient(const Value& p, const Value& q, const Piece& sign) {
        if (q.twoWays)
            refuse("\"\u00B1\" cannot stand below a fraction line.", sign);
        return {p.centre / q.centre, p.spread / q.centre, p.twoWays};
    }

    Value factor() {
        if (at(Kind::Minus) || at(Kind::Plus)) {
            const bool minus = at(Kind::Minus);
            ++m_at;
            const Nesting nesting(m_depth, [this] { refuseNesting(); });
            Value value = factor();
            if (minus)
                value.centre = -value.centre;
            return value;
        }
        const Value value = primary();
        if (at(Kind::Power) || at(Kind::Superscript))
            refuse("Write each root as a number, without powers.", current());
        return value;
    }

    [[noreturn]] void refuseNesting() const {
        refuse(std::string(nestedTooDeeply) + ".", current());
    }

    Value primary() {
        if (m_at >= m_end) {
            if (m_at == 0)
                throw Refusal("A number is missing.", 0, 0);
            const Piece& before = m_pieces[m_at - 1];
            refuse("A number is missing after \"" + shown(before) + "\".", before);
        }
        const Piece& piece = m_pieces[m_at++];
        switch (piece.kind) {
        case Kind::Number: {
            AnswerNumber number = AnswerNumber::rational(piece.value + mixedFraction(piece));
            number.decimal = piece.decimal;
            askAboutComma(piece);
            return plain(number);
        }
        case Kind::Letter:
            return plain(letterValue(piece));
        case Kind::Root: {
            const Nesting nesting(m_depth, [this] { refuseNesting(); });
            if (m_at >= m_end)
                refuse("A number is missing after \"" + shown(piece) + "\".", piece);
            const Value under = factor();
            if (under.twoWays || !under.centre.isRational())
                refuse("Only a number or a fraction can stand under \"\u221A\": \u221A5, "
                       "\u221A(5/4).",
                       piece);
            AnswerNumber root = AnswerNumber::squareRoot(under.centre.u);
            root.decimal = under.centre.decimal;
            return plain(root);
        }
        case Kind::Open: {
            const Nesting nesting(m_depth, [this] { refuseNesting(); });
            const Value inside = value();
            if (!at(Kind::Close))
                refuse("A bracket \"(\" is not closed.", piece);
            ++m_at;
            return inside;
        }
        default:
            --m_at;
            if (piece.kind == Kind::Close || piece.kind == Kind::Equals)
                unexpected();
            refuse("A number is missing before \"" + shown(piece) + "\".", piece);
        }
    }

    // "1 1/2" or "1½": a whole number, and a proper fraction of whole numbers after it.
    Rational mixedFraction(const Piece& whole) {
        if (whole.decimal || whole.value.den != 1 || m_at >= m_end)
            return 0;
        const Piece& next = m_pieces[m_at];
        if (next.kind == Kind::Number && next.joined && next.value.den != 1 &&
            !std::isdigit(static_cast<unsigned char>(m_text[next.place]))) {
            ++m_at;
            return next.value;
        }
        if (m_at + 2 >= m_end)
            return 0;
        const Piece& top = m_pieces[m_at];
        const Piece& line = m_pieces[m_at + 1];
        const Piece& bottom = m_pieces[m_at + 2];
        if (top.kind != Kind::Number || top.joined || top.decimal || top.value.den != 1 ||
            line.kind != Kind::Divide || !line.joined || bottom.kind != Kind::Number ||
            !bottom.joined || bottom.decimal || bottom.value.den != 1 ||
            !(top.value < bottom.value) || top.value.sign() <= 0 || continuesTerm(m_at + 3))
            return 0;
        m_at += 3;
        return top.value / bottom.value;
    }

    // Whether the piece at `at` is written on to the term before it: "1/23x", "1/2(".
    bool continuesTerm(std::size_t at) const {
        if (at >= m_end || !m_pieces[at].joined)
            return false;
        const Kind kind = m_pieces[at].kind;
        return kind == Kind::Number || kind == Kind::Letter || kind == Kind::Root ||
               kind == Kind::Open || kind == Kind::Power || kind == Kind::Superscript;
    }

    // "-2,5" where "," lists numbers: one number in the other number form, or two? Asked, never
    // judged.
    void askAboutComma(const Piece& number) const {
        if (m_decimalComma || m_at + 1 >= m_end || !at(Kind::Comma))
            return;
        const Piece& comma = current();
        const Piece& after = m_pieces[m_at + 1];
        if (!comma.joined || !after.joined || after.kind != Kind::Number)
            return;
        const std::string first = shown(number), second = shown(after);
        throw Refusal("Is " + first + "," + second + " one number or two? Write " + first +
                          m_locale.decimalSeparator + second + " for one, or " + first + ", " +
                          second + " for two.",
                      number.place, after.end() - number.place);
    }

    // "i" or "j", or the letter of a general solution's parameter.
    AnswerNumber letterValue(const Piece& piece) {
        if (isImaginaryUnit(piece))
            return {0, 1, 0, -1, false};
        if (piece.word.size() != 1)
            refuse("\"" + shown(piece) + "\" is no number.", piece);
        const char letter = piece.lower()[0];
        if (m_parameter != 0 && m_parameter != letter)
            refuse(std::string("Use one letter for the parameter: \"") + m_parameter + "\" or \"" +
                       letter + "\".",
                   piece);
        m_parameter = letter;
        return AnswerNumber::parameter();
    }

    std::vector<Piece> m_pieces;
    std::string_view m_text;
    const NumberLocale& m_locale;
    bool m_decimalComma;
    std::size_t m_at = 0, m_end = 0;
    int m_depth = 0;
    char m_parameter = 0;
    bool m_line = false;
};

// The answer without the blanks and the full stop or exclamation mark it may end with.
std::string_view withoutEnding(std::string_view text) {
    while (!text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == ' ' ||
                             text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

} // namespace

ReadAnswer readAnswer(std::string_view text, const NumberLocale& locale) {
    ReadAnswer answer;
    if (const std::optional<std::string> tooLong = lengthProblem(text, answerLimit, locale)) {
        answer.problem = *tooLong + ".";
        answer.place = placePastLimit(text, answerLimit);
        answer.length = text.size() - answer.place;
        return answer;
    }
    const std::string_view written = withoutEnding(text);
    try {
        std::vector<Piece> pieces =
            piecesOf(typedTokens(written, locale, TypedText::Answer), written);
        AnswerParser parser(std::move(pieces), written, locale);
        answer = parser.answer();
    } catch (const Refusal& refusal) {
        answer = ReadAnswer{};
        answer.problem = refusal.what();
        answer.place = refusal.place();
        answer.length = refusal.length();
    } catch (const AnswerArithmetic& fault) {
        answer = ReadAnswer{};
        answer.problem = "\"" + excerpt(trimmed(written)) + "\" cannot be worked out: it has " +
                         fault.what() + ".";
    }
    return answer;
}
