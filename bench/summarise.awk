# Summarises start-up runs: input lines "PROGRAM MILLISECONDS [KILOBYTES]",
# programs started in turn. Prints each program's medians and Wagelyn's
# ratios to every other; a name's suffix ("wagelyn-de", "floor-de") names
# the settings it ran under, and Wagelyn is compared under the same ones.
function median(values, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j-1] > values[j]; j--) {
        t = values[j]; values[j] = values[j-1]; values[j-1] = t
    }
    return n % 2 ? values[(n+1)/2] : (values[n/2] + values[n/2+1]) / 2
}
{ n[$1]++; ms[$1, n[$1]] = $2; kb[$1, n[$1]] = $3 }
END {
    for (p in n) {
        for (i = 1; i <= n[p]; i++) { a[i] = ms[p, i]; b[i] = kb[p, i] }
        m[p] = median(a, n[p]); r[p] = median(b, n[p])
        if (r[p] > 0) {
            printf "%-9s first paint %7.1f ms   resident %7.1f MB   (%d runs)\n", p, m[p], r[p] / 1024, n[p]
        } else {
            printf "%-9s first paint %7.1f ms   (%d runs)\n", p, m[p], n[p]
        }
    }
    for (p in n) {
        settings = index(p, "-") ? substr(p, index(p, "-")) : ""
        w = "wagelyn" settings
        if (p == w || !(w in n)) continue
        if (r[p] > 0) {
            printf "%s / %-9s first paint %6.3f   resident %6.3f\n", w, p, m[w] / m[p], r[w] / r[p]
        } else {
            printf "%s / %-9s first paint %6.3f\n", w, p, m[w] / m[p]
        }
    }
}
