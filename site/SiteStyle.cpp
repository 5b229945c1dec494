#include "site/SiteStyle.h"

namespace SiteStyle {

QString Css()
{
    return QStringLiteral(R"css(
* { box-sizing: border-box; }
html, body { margin: 0; padding: 0; }
body { background: #eef3f8; color: #2b3440; font: 13px/1.6 "Microsoft YaHei", "WenQuanYi Micro Hei", "PingFang SC", sans-serif; }
a { color: #0460a3; text-decoration: none; }
a:hover { color: #298cd3; }
img { border: 0; display: block; }
.wrap { max-width: 980px; margin: 0 auto; padding: 0 16px; }

/* Portal header */
.top { background: linear-gradient(180deg, #298cd3 0%, #0460a3 100%); color: #fff; box-shadow: 0 2px 10px rgba(4, 96, 163, .35); }
.top .wrap { display: flex; align-items: center; height: 64px; gap: 22px; }
.logo { display: flex; align-items: center; gap: 10px; color: #fff; font-size: 22px; font-weight: bold; letter-spacing: 1px; }
.logo:hover { color: #fff; }
.logo .mark { width: 36px; height: 36px; border-radius: 10px; background: #fff; color: #0460a3; display: grid; place-items: center;
  font-size: 20px; box-shadow: inset 0 -3px 0 rgba(4, 96, 163, .25); }
.logo small { display: block; font-size: 11px; font-weight: normal; letter-spacing: 2px; opacity: .8; }
.nav { display: flex; gap: 4px; flex: 1; min-width: 0; overflow: hidden; }
.nav a { color: #e6f2fc; padding: 6px 12px; border-radius: 16px; font-size: 14px; white-space: nowrap; }
@media (max-width: 960px) { .top .search { display: none; } .nav a { padding: 6px 8px; } }
.nav a:hover, .nav a.on { background: rgba(255, 255, 255, .18); color: #fff; }
.search { display: flex; background: #fff; border-radius: 18px; overflow: hidden; box-shadow: inset 0 1px 3px rgba(0, 0, 0, .15); }
.search input { border: 0; outline: 0; padding: 7px 12px; width: 170px; font: inherit; color: #2b3440; background: transparent; }
.search button { border: 0; background: #f5a623; color: #fff; padding: 0 14px; font: inherit; font-weight: bold; cursor: pointer; }

/* Slim header of the pages shown inside the launcher */
.strip { background: linear-gradient(180deg, #298cd3, #0460a3); color: #fff; padding: 9px 16px; display: flex; align-items: center; gap: 12px; }
.strip h1 { font-size: 16px; margin: 0; font-weight: bold; }
.strip .count { font-size: 12px; opacity: .85; }
.strip .who { margin-left: auto; font-size: 12px; background: rgba(255,255,255,.18); border-radius: 10px; padding: 2px 10px; }
.crumbs { color: #7a8897; font-size: 12px; margin: 12px 0 8px; }
.crumbs a { color: #7a8897; }
.crumbs a:hover { color: #298cd3; }

/* Sections and cards */
.box { background: #fff; border-radius: 10px; box-shadow: 0 1px 4px rgba(20, 60, 100, .1); padding: 14px 16px; margin: 14px 0; }
.box h2 { margin: 0 0 12px; font-size: 16px; color: #0460a3; display: flex; align-items: center; gap: 8px; }
.box h2::before { content: ""; width: 4px; height: 16px; border-radius: 2px; background: #298cd3; }
.box h2 .more { margin-left: auto; font-size: 12px; font-weight: normal; }
.grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(126px, 1fr)); gap: 14px 12px; }
.card { display: flex; flex-direction: column; align-items: center; padding: 8px 6px 10px; border-radius: 10px; color: #2b3440;
  border: 1px solid transparent; transition: transform .12s, box-shadow .12s, border-color .12s; text-align: center; }
.card:hover { transform: translateY(-2px); border-color: #bcdaf2; box-shadow: 0 6px 16px rgba(4, 96, 163, .18); color: #0460a3; }
.card img { width: 96px; height: 96px; border-radius: 12px; box-shadow: 0 2px 6px rgba(0, 0, 0, .18); }
.card .name { margin-top: 7px; font-weight: bold; font-size: 13px; max-width: 100%; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.card .meta { font-size: 11px; color: #8a97a5; }
.card .pic { display: flex; flex-direction: column; align-items: center; color: inherit; max-width: 100%; }
.card .acts { display: flex; gap: 6px; margin-top: 6px; }
.card .acts .btn { padding: 4px 11px; }
.btn { display: inline-block; padding: 5px 14px; border-radius: 15px; background: linear-gradient(180deg, #3d9de0, #0460a3); color: #fff;
  font-size: 12px; box-shadow: 0 2px 4px rgba(4, 96, 163, .3); white-space: nowrap; }
.btn:hover { color: #fff; background: linear-gradient(180deg, #52aceb, #0b6cb3); }
.btn.big { padding: 10px 34px; font-size: 16px; border-radius: 22px; font-weight: bold; }
.btn.orange { background: linear-gradient(180deg, #ffb84d, #f08c00); box-shadow: 0 2px 4px rgba(240, 140, 0, .35); }
.btn.ghost { background: #fff; color: #0460a3; border: 1px solid #9fc9ea; box-shadow: none; }
.btn.ghost:hover { color: #298cd3; background: #f2f8fd; }
.tag { display: inline-block; padding: 0 7px; border-radius: 9px; background: #e3f0fb; color: #0460a3; font-size: 11px; }
.stars { position: relative; display: inline-block; color: #d7dde4; letter-spacing: 1px; font-size: 13px; line-height: 1; }
.stars i { position: absolute; left: 0; top: 0; overflow: hidden; white-space: nowrap; color: #f5a623; font-style: normal; }
.pager { display: flex; justify-content: center; gap: 6px; margin: 16px 0 6px; }
.pager a, .pager span { min-width: 30px; padding: 4px 9px; border-radius: 6px; background: #fff; border: 1px solid #d3e3f1; text-align: center; }
.pager span { background: #0460a3; border-color: #0460a3; color: #fff; }

/* Hot ranking */
.rank { width: 100%; border-collapse: collapse; }
.rank td { padding: 7px 8px; border-bottom: 1px solid #edf1f5; vertical-align: middle; }
.rank tr:hover td { background: #f5f9fd; }
.rank .no { width: 34px; text-align: center; }
.rank .no b { display: inline-block; width: 22px; height: 22px; line-height: 22px; border-radius: 6px; background: #c8d4df; color: #fff; font-size: 12px; }
.rank tr.r1 .no b { background: #f5a623; } .rank tr.r2 .no b { background: #9fb2c4; } .rank tr.r3 .no b { background: #d08a52; }
.rank img { width: 44px; height: 44px; border-radius: 8px; }
.rank .title { font-weight: bold; font-size: 14px; }
.rank .plays { color: #8a97a5; text-align: right; white-space: nowrap; }
.rank .go { width: 90px; text-align: right; }

/* Featured spotlight */
.hero { display: flex; gap: 20px; align-items: center; color: #fff; border-radius: 12px; padding: 18px 22px; margin: 14px 0;
  box-shadow: 0 4px 16px rgba(4, 96, 163, .25); position: relative; overflow: hidden; }
.hero::after { content: ""; position: absolute; right: -60px; top: -60px; width: 220px; height: 220px; border-radius: 50%; background: rgba(255, 255, 255, .12); }
.hero img { width: 130px; height: 130px; border-radius: 16px; box-shadow: 0 4px 14px rgba(0, 0, 0, .3); flex: none; }
.hero h2 { margin: 4px 0 6px; font-size: 24px; }
.hero p { margin: 0 0 12px; opacity: .92; max-width: 520px; }
.hero .label { display: inline-block; background: rgba(255, 255, 255, .22); border-radius: 10px; padding: 0 9px; font-size: 12px; }
.hero .btn { background: #fff; color: #0460a3; position: relative; z-index: 1; }
iframe.frame { width: 100%; border: 0; display: block; background: transparent; }

/* A game's own page */
.game { display: flex; gap: 22px; }
.game .pic img { width: 150px; height: 150px; border-radius: 16px; box-shadow: 0 4px 12px rgba(0, 0, 0, .2); }
.game h1 { margin: 0 0 8px; font-size: 24px; color: #0460a3; }
.facts { display: grid; grid-template-columns: auto auto; gap: 3px 26px; color: #56636f; margin-bottom: 14px; justify-content: start; }
.facts b { color: #8a97a5; font-weight: normal; margin-right: 6px; }
.note { color: #8a97a5; font-size: 12px; margin-top: 8px; }
.keys { list-style: none; margin: 0; padding: 0; display: flex; flex-wrap: wrap; gap: 10px 22px; }
.keys li { display: flex; align-items: center; gap: 6px; }
kbd { display: inline-block; min-width: 26px; padding: 2px 7px; border-radius: 5px; border: 1px solid #b9c7d4; border-bottom-width: 3px;
  background: linear-gradient(#fff, #eef3f7); font: bold 12px Verdana, sans-serif; color: #316534; text-align: center; }

/* Portal home */
.columns { display: grid; grid-template-columns: 1fr 290px; gap: 14px; }
.toplist { list-style: none; margin: 0; padding: 0; counter-reset: n; }
.toplist li { display: flex; align-items: center; gap: 10px; padding: 6px 0; border-bottom: 1px dashed #e3e9ef; counter-increment: n; }
.toplist li::before { content: counter(n); width: 20px; height: 20px; line-height: 20px; border-radius: 5px; background: #c8d4df; color: #fff;
  font-size: 11px; text-align: center; flex: none; }
.toplist li:nth-child(-n+3)::before { background: #f5a623; }
.toplist a { flex: 1; color: #2b3440; }
.toplist span { color: #8a97a5; font-size: 11px; }
.client { background: linear-gradient(160deg, #298cd3, #0460a3); color: #fff; border-radius: 10px; padding: 18px; text-align: center; }
.client h3 { margin: 0 0 6px; font-size: 18px; }
.client p { margin: 0 0 12px; opacity: .9; font-size: 12px; }
.client .btn { background: #fff; color: #0460a3; }
.foot { color: #8a97a5; text-align: center; font-size: 12px; padding: 18px 0 26px; }
.foot a { color: #6f7f8f; margin: 0 8px; }
.empty { text-align: center; color: #8a97a5; padding: 26px 0 10px; font-size: 14px; }
.contact { display: grid; grid-template-columns: repeat(auto-fill, minmax(210px, 1fr)); gap: 14px; }
.contact div { border: 1px solid #e1ebf4; border-radius: 10px; padding: 14px; }
.contact b { display: block; color: #0460a3; font-size: 14px; margin-bottom: 4px; }
.faq dt { font-weight: bold; color: #0460a3; margin-top: 10px; }
.faq dd { margin: 2px 0 0; color: #56636f; }

/* Customer service and top-up */
.client.service { margin: 14px 0; padding: 24px 22px; }
.client.service h3 { font-size: 24px; }
.hours { display: flex; flex-wrap: wrap; justify-content: center; gap: 10px; }
.hours span { background: rgba(255, 255, 255, .16); border-radius: 16px; padding: 4px 14px; font-size: 13px; }
.hours b { margin-right: 6px; }
.demo-notice { margin: 14px 0 0; padding: 10px 14px; border-radius: 10px; background: #fff8e6; border: 1px solid #f5c46b; color: #8a5a00; font-size: 14px; }
.demo-notice b { display: inline-block; margin-right: 10px; padding: 0 8px; border-radius: 9px; background: #f5a623; color: #fff; font-size: 12px; }
.columns.start { align-items: start; }
.pay .row { display: grid; grid-template-columns: 76px 1fr; gap: 12px; align-items: start; margin: 14px 0; }
.pay .label { color: #56636f; padding-top: 7px; text-align: right; }
.pay input[name=user] { width: 240px; padding: 7px 12px; border: 1px solid #c9dbea; border-radius: 6px; font: inherit; outline: 0; }
.pay input[name=user]:focus { border-color: #298cd3; box-shadow: 0 0 0 3px rgba(41, 140, 211, .15); }
.amounts { display: grid; grid-template-columns: repeat(3, minmax(110px, 1fr)); gap: 12px 10px; }
.amounts label, .methods label { position: relative; cursor: pointer; }
.amounts input, .methods input { position: absolute; opacity: 0; }
.amounts .tile { display: block; padding: 9px 8px; border: 2px solid #d3e3f1; border-radius: 10px; text-align: center; background: #fff; }
.amounts .tile b { display: block; font-size: 19px; color: #0460a3; }
.amounts .tile small { color: #8a97a5; font-size: 12px; }
.amounts .tile em { position: absolute; top: -9px; right: 8px; padding: 0 7px; border-radius: 9px; background: #f5a623; color: #fff; font-style: normal; font-size: 11px; }
.amounts input:checked + .tile { border-color: #f5a623; background: #fff8ec; box-shadow: 0 2px 8px rgba(240, 140, 0, .2); }
.methods { display: flex; flex-wrap: wrap; gap: 10px; }
.methods span { display: inline-block; padding: 6px 16px; border: 2px solid #d3e3f1; border-radius: 17px; background: #fff; }
.methods input:checked + span { border-color: #298cd3; color: #0460a3; background: #eef6fd; }
.pay button { border: 0; cursor: pointer; font-family: inherit; }
.paid { margin-top: 10px; color: #8a5a00; background: #fff8e6; border-radius: 8px; padding: 6px 12px; }
.rules { margin: 0; padding-left: 18px; color: #56636f; }
.rules li { margin: 4px 0; }
)css");
}

} // namespace SiteStyle
