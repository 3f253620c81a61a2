// Writes the reference data that tests/calendar checks the lunar tables of src/calendar against.
// Run through make_reference.sh, which installs the pinned npm packages next to a copy of this file:
//   node make_reference.mjs MONTHS_FILE LICHUN_FILE
//
// Two npm packages that share no code or data with each other nor with the generator of
// src/calendar/lunar_data.h (ERFA + libnova ELP 2000-82B, scripts/calendar/generate_lunar_data.py):
// - date-chinese: the Chinese calendar rules on astronomia (Meeus' new-moon series, the full
//   VSOP87 series for the Sun, IERS-based Delta T); it reckons days on Beijing local mean time
//   (UTC+7:45:40) before 1929 and on UTC+8 after, as the Chinese calendar did.
// - lunar-javascript: its own implementation of the same rules with a different ephemeris; it
//   reckons days on UTC+8 for every year.
//
// MONTHS_FILE: one line per lunar month starting 1901-02-19 .. 2048-12-31, plus the month after the
// last: "YYYY-MM-DD lunar_year month leap". Months that start before 1929 come from date-chinese, the
// later ones from lunar-javascript, so each era is taken from a source that reckons days on that
// era's meridian. Both packages convert every day of the range one by one; the script fails unless
// each day follows the day before it (day 1 exactly on the listed starts), so the lines stand for
// every single day, and unless the two packages agree on every month except the explained ones
// below.
//
// LICHUN_FILE: the moment of the Start of Spring (solar longitude 315 degrees) of 1901..2049 from
// astronomia, China Standard Time (UTC+8) wall clock rounded to the second: "YYYY-MM-DD HH:MM:SS".
// The script fails unless lunar-javascript's moments lie within 30 s of these.

import { writeFileSync } from 'node:fs'
import { createRequire } from 'node:module'
import { CalendarChinese } from 'date-chinese'
import { solstice, planetposition, julian } from 'astronomia'
import earthData from 'astronomia/data/vsop87Bearth'
import lunarJavascript from 'lunar-javascript'

const require = createRequire(import.meta.url)
const packages = ['date-chinese', 'astronomia', 'lunar-javascript']
const versions = packages.map((name) => `${name} ${require(`${name}/package.json`).version}`)

const [monthsFile, lichunFile] = process.argv.slice(2)
if (!monthsFile || !lichunFile) {
    console.error('usage: node make_reference.mjs MONTHS_FILE LICHUN_FILE')
    process.exit(2)
}

const dayMs = 86400000
const firstDay = Date.UTC(1901, 1, 19)
const lastDay = Date.UTC(2048, 11, 31)
const switchTo120East = Date.UTC(1929, 0, 1)
const pad = (n) => String(n).padStart(2, '0')
const isoDate = (d) => `${d.getUTCFullYear()}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())}`

// Where the two packages disagree, and why:
const explained = new Map([
    // New moon of 23 April 1906 at 23:52 Beijing local mean time, 00:06 on the 24th in UTC+8.
    ['1906-04-23', 'date-chinese starts the month here, on the meridian of Beijing'],
    ['1906-04-24', 'lunar-javascript starts the month here, on UTC+8'],
    // date-chinese tests each month for a principal term without checking that the year from one
    // month 11 to the next has 13 months, and so adds a leap month 7 to 2033, which has 12; its
    // leap month 11 of 2033 (winter solstice year 2033-2034) is right and agrees.
    ['2033-08-25', 'date-chinese: false leap month 7'],
    ['2033-09-23', 'date-chinese: numbered one lower after the false leap month'],
    ['2033-10-23', 'date-chinese: numbered one lower after the false leap month'],
    ['2033-11-22', 'date-chinese: numbered one lower after the false leap month'],
])

// Walks every day of the range (and on to the next month start) and returns the month starts.
// `convert` gives { year, month, leap, day } for a UTC-midnight Date holding the civil date.
function monthStarts(name, convert, allowRepeat = () => false) {
    const starts = new Map()
    let previous = null
    for (let t = firstDay; ; t += dayMs) {
        const d = new Date(t)
        const current = convert(d)
        const sameMonth = previous && current.year === previous.year && current.month === previous.month &&
            current.leap === previous.leap
        if (current.day === 1) {
            starts.set(isoDate(d), `${current.year} ${current.month} ${current.leap}`)
            if (t > lastDay) return starts
        } else if (!sameMonth) {
            throw new Error(`${name}: month without a day 1 at ${isoDate(d)}`)
        } else if (current.day !== previous.day + 1 && !(allowRepeat(t) && current.day === previous.day)) {
            throw new Error(`${name}: day ${current.day} after ${previous.day} at ${isoDate(d)}`)
        }
        previous = current
    }
}

function dateChineseStarts() {
    const calendar = new CalendarChinese()
    const convert = (d) => {
        calendar.fromGregorian(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate())
        const [, , month, leap, day] = calendar.get()
        return { year: calendar.yearFromEpochCycle(), month, leap: leap ? 1 : 0, day }
    }
    // date-chinese counts the days of a month from midnights on the month's own meridian, so the
    // month that spans the switch to UTC+8 repeats one day number on 1 January 1929.
    return monthStarts('date-chinese', convert, (t) => t === switchTo120East)
}

function lunarJavascriptStarts() {
    const convert = (d) => {
        const lunar = lunarJavascript.Solar.fromYmd(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()).getLunar()
        const month = lunar.getMonth() // negative for a leap month
        return { year: lunar.getYear(), month: Math.abs(month), leap: month < 0 ? 1 : 0, day: lunar.getDay() }
    }
    return monthStarts('lunar-javascript', convert)
}

function referenceMonths() {
    const early = dateChineseStarts()
    const late = lunarJavascriptStarts()
    for (const date of new Set([...early.keys(), ...late.keys()])) {
        if (early.get(date) !== late.get(date) && !explained.has(date)) {
            throw new Error(`unexplained disagreement at ${date}: ${early.get(date)} / ${late.get(date)}`)
        }
    }
    const lines = []
    for (const [date, month] of early) if (Date.parse(date) < switchTo120East) lines.push(`${date} ${month}`)
    for (const [date, month] of late) if (Date.parse(date) >= switchTo120East) lines.push(`${date} ${month}`)
    return lines
}

function astronomiaStartOfSpring(year) {
    const earth = new planetposition.Planet(earthData)
    // solstice.longitude searches from the solstice or equinox before the longitude: for 315
    // degrees, the December solstice of the year before.
    const jde = solstice.longitude(year - 1, earth, (315 * Math.PI) / 180)
    // fromJDE takes Delta T off, leaving Universal Time; +8 h gives China Standard Time.
    const cst = new julian.CalendarGregorian().fromJDE(jde + 8 / 24)
    const seconds = Math.round((cst.day - Math.floor(cst.day)) * 86400)
    return new Date(Date.UTC(cst.year, cst.month - 1, Math.floor(cst.day)) + seconds * 1000)
}

function lunarJavascriptStartOfSpring(year) {
    const s = lunarJavascript.Lunar.fromYmd(year, 1, 1).getJieQiTable()['立春']
    return new Date(Date.UTC(s.getYear(), s.getMonth() - 1, s.getDay(), s.getHour(), s.getMinute(), s.getSecond()))
}

function referenceStartOfSpring() {
    const lines = []
    for (let year = 1901; year <= 2049; year++) {
        const moment = astronomiaStartOfSpring(year)
        const other = lunarJavascriptStartOfSpring(year)
        if (Math.abs(moment - other) > 30000) throw new Error(`Start of Spring ${year}: ${moment} / ${other}`)
        lines.push(`${isoDate(moment)} ${pad(moment.getUTCHours())}:${pad(moment.getUTCMinutes())}:` +
                   pad(moment.getUTCSeconds()))
    }
    return lines
}

const generated = `# Generated by scripts/calendar/make_reference.sh from the npm packages ${versions.join(', ')}.`
writeFileSync(monthsFile, [
    '# Lunar months starting 1901-02-19 .. 2048-12-31, and the month after: start lunar_year month leap',
    generated,
    '# Before 1929 from date-chinese (days on Beijing local mean time), from 1929 on from lunar-javascript (UTC+8).',
    ...referenceMonths(), ''].join('\n'))
writeFileSync(lichunFile, [
    '# Start of Spring (solar longitude 315 deg) 1901..2049, China Standard Time (UTC+8) wall clock',
    generated,
    '# Moments from astronomia; lunar-javascript agrees within 30 s.',
    ...referenceStartOfSpring(), ''].join('\n'))
